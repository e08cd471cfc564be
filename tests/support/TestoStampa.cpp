#include "TestoStampa.h"

#include "core/Archivio.h"

QStringList TestoStampa(const DocumentoStampa& doc)
{
    QStringList righe;
    QString riga;
    const auto vaiA = [&](int col) {
        if (riga.size() > col - 1) {
            righe << riga;
            riga.clear();
        }
        riga = riga.leftJustified(col - 1, u' ');
    };
    for (const ComandoStampa& c : doc) {
        switch (c.tipo) {
        case ComandoStampa::Tipo::Colonna:
            vaiA(std::max(1, int(c.valore)));
            break;
        case ComandoStampa::Tipo::PosizioneX:
            vaiA(c.valore < 800 ? 1 : int((c.valore - 800) / 90) + 10);
            break;
        case ComandoStampa::Tipo::Testo:
            riga += c.testo;
            break;
        case ComandoStampa::Tipo::FineRiga:
            righe << riga;
            riga.clear();
            break;
        case ComandoStampa::Tipo::NuovaPagina:
            if (!riga.isEmpty())
                righe << riga;
            riga.clear();
            righe << QStringLiteral("<<pagina>>");
            break;
        default:
            break;
        }
    }
    if (!riga.isEmpty())
        righe << riga;
    return righe;
}

std::shared_ptr<const ArchivioMemoria> memoria(const std::vector<RecEstrazione>& estrazioni)
{
    QByteArray raw;
    for (const RecEstrazione& r : estrazioni)
        raw += r.toBytes();
    return ArchivioMemoria::daBytes(raw, primaDataNazionale());
}
