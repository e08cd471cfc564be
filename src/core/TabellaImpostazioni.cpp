#include "core/TabellaImpostazioni.h"

#include "core/Impostazioni.h"

namespace {
const QString kApp = QStringLiteral("Quorvane");
}

QString leggi(const Impostazione& voce)
{
    return LeggiImpostazione(kApp, QString::fromLatin1(voce.sezione), voce.nome(),
                             voce.valorePredefinito());
}

QString leggi(const Impostazione& voce, const QString& predefinito)
{
    return LeggiImpostazione(kApp, QString::fromLatin1(voce.sezione), voce.nome(), predefinito);
}

void salva(const Impostazione& voce, const std::optional<QString>& valore)
{
    SalvaImpostazione(kApp, QString::fromLatin1(voce.sezione), voce.nome(), valore);
}

QString leggi(const char* sezione, const QString& chiave, const QString& predefinito)
{
    return LeggiImpostazione(kApp, QString::fromLatin1(sezione), chiave, predefinito);
}

void salva(const char* sezione, const QString& chiave, const std::optional<QString>& valore)
{
    SalvaImpostazione(kApp, QString::fromLatin1(sezione), chiave, valore);
}
