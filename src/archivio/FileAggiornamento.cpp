#include "archivio/FileAggiornamento.h"

#include "archivio/ScrittoreArchivio.h"

namespace {

RecEstrazione record(const QByteArray& dati, qsizetype i)
{
    return RecEstrazione::daBytes(
        QByteArrayView(dati).sliced(i * kLunghezzaRecEstrazione, kLunghezzaRecEstrazione));
}

qsizetype quanti(const QByteArray& dati)
{
    return dati.size() / kLunghezzaRecEstrazione;
}

} // namespace

bool fileAggiornamentoValido(const QByteArray& dati)
{
    if (dati.isEmpty() || dati.size() % kLunghezzaRecEstrazione != 0)
        return false;
    QDate precedente;
    for (qsizetype i = 0; i < quanti(dati); ++i) {
        const RecEstrazione r = record(dati, i);
        if (!recordValido(r))
            return false;
        const QDate d = *r.data();
        if (precedente.isValid() && d <= precedente)
            return false;
        precedente = d;
    }
    return true;
}

EsameAggiornamento esaminaAggiornamento(const QByteArray& dati, QDate dataUltimaArchivio,
                                        QDate oggi)
{
    using E = EsameAggiornamento::Esito;
    EsameAggiornamento e;
    if (!fileAggiornamentoValido(dati))
        return e;
    e.primaData = *record(dati, 0).data();
    e.ultimaData = *record(dati, quanti(dati) - 1).data();
    if (dataFutura(dati, oggi).isValid())
        e.esito = E::Futuro;
    else if (e.primaData > dataUltimaArchivio)
        e.esito = E::Discontinuo;
    else if (e.ultimaData > dataUltimaArchivio)
        e.esito = E::DaAccodare;
    else
        e.esito = E::NienteDiNuovo;
    return e;
}

QDate dataFutura(const QByteArray& dati, QDate oggi)
{
    // Dates strictly increase in a sound file: the last one is the latest.
    const auto ultima = RecEstrazione::daBytes(dati.right(kLunghezzaRecEstrazione)).data();
    return ultima && *ultima > oggi ? *ultima : QDate();
}

QByteArray recordDopo(const QByteArray& dati, QDate dataUltima)
{
    for (qsizetype i = 0; i < quanti(dati); ++i) {
        const auto d = record(dati, i).data();
        if (d && *d > dataUltima)
            return dati.mid(i * kLunghezzaRecEstrazione);
    }
    return {};
}

QByteArray datiEsportazione(ArchivioEstrazioni& a)
{
    const qint32 ultimo = a.numeroEstrazioni();
    if (ultimo < kPrimoRecordEsportato)
        return {};
    return a.leggiBlocco(kPrimoRecordEsportato, ultimo - kPrimoRecordEsportato + 1);
}
