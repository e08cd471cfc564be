#include "sommativa/UscitaSommativa.h"

#include "compat/vb.h"

using namespace compat;

namespace {

const QString kTitolo = QStringLiteral(" Metodo sommativo per ambi by Ostrel");
const QString kTitoloStampaRisultati = QStringLiteral(" Metodo sommativo per ambi By ostrel");

const QString kBordoRisultati = QStringLiteral(
    "*-------------------------------------*--------------*--------------*----------*----------------------*");
const QString kTestataRisultati = QStringLiteral(
    "| Algoritmo                           | Casi posit.  | Casi negat.  | Quantità |                      |");
const QString kBordoDettaglio =
    QStringLiteral("*-----------------*-----------------*--------------------------------*");
const QString kTestataDettaglio =
    QStringLiteral("| Data previsione | Numeri in gioco | Esito                          |");

QString etichetta(const char* testo)
{
    QString l = vbSpace(32);
    vbOverlay(l, 31, u":");
    vbOverlay(l, 1, QString::fromLatin1(testo));
    return l;
}

QString testataRisultati(const QString& intestazioneNumeri)
{
    QString l = kTestataRisultati;
    vbOverlay(l, 82, intestazioneNumeri);
    return l;
}

QString rigaRisultato(const RigaRisultato& r)
{
    QString l = vbSpace(110);
    const int colonne[] = {3, 41, 56, 74, 82};
    for (int i = 0; i < 5; ++i)
        vbOverlay(l, colonne[i], r[size_t(i)]);
    return l;
}

QString rigaDettaglio(const RigaDettaglioTesto& r)
{
    QString l = vbSpace(90);
    const int colonne[] = {3, 21, 39};
    for (int i = 0; i < 3; ++i)
        vbOverlay(l, colonne[i], r[size_t(i)]);
    return l;
}

struct Tabella {
    QStringList testata;        // border, heading, border
    QStringList corpo;          // one line per row
};

QStringList file(const QString& titolo, const QStringList& descrizione, const Tabella& t)
{
    const QString vuota = vbSpace(90);
    QStringList out{titolo, vuota};
    out << descrizione << vuota << t.testata << vuota << t.corpo;
    return out;
}

// Per copy: the opening block, then the rows; when the line counter reaches
// the limit before another row, a new page repeats the table's heading.
std::vector<RigaStampa> stampa(const QString& titolo, const QStringList& descrizione,
                               const Tabella& t, int limite, const QStringList& nuovaPagina,
                               int contatoreNuovaPagina, int copie)
{
    std::vector<RigaStampa> out;
    for (int c = 1; c <= copie; ++c) {
        if (c > 1)
            out.push_back({true, {}});
        for (const QString& l : QStringList{QString(), titolo, QString()} + descrizione
                                    + QStringList{QString()} + t.testata + QStringList{QString()})
            out.push_back({false, l});
        int contatore = 10;
        for (int r = 0; r < t.corpo.size(); ++r) {
            out.push_back({false, t.corpo[r]});
            ++contatore;
            if (r + 1 < t.corpo.size() && contatore >= limite) {
                out.push_back({true, {}});
                for (const QString& l : nuovaPagina)
                    out.push_back({false, l});
                contatore = contatoreNuovaPagina;
            }
        }
    }
    return out;
}

Tabella tabellaRisultati(const QString& intestazioneNumeri, const std::vector<RigaRisultato>& righe)
{
    Tabella t;
    t.testata = {kBordoRisultati, testataRisultati(intestazioneNumeri), kBordoRisultati};
    for (const RigaRisultato& r : righe)
        t.corpo << rigaRisultato(r);
    return t;
}

Tabella tabellaDettaglio(const std::vector<RigaDettaglioTesto>& righe)
{
    Tabella t;
    t.testata = {kBordoDettaglio, kTestataDettaglio, kBordoDettaglio};
    for (const RigaDettaglioTesto& r : righe)
        t.corpo << rigaDettaglio(r);
    return t;
}

} // namespace

QStringList righeDescrizione(const DescrizioneSimulazione& d)
{
    return {etichetta(" Intervallo di simulazione ") + QStringLiteral("dal ") + d.dataInizio
                + QStringLiteral(" al ") + d.dataFine,
            etichetta(" Ruota ") + d.nomeRuota,
            etichetta(" Tipo giocate ") + QStringLiteral("indice mensile ") + d.indice
                + QStringLiteral(" per ") + d.cicli + QStringLiteral(" cicli di ") + d.colpi
                + QStringLiteral(" colpi")};
}

QString rigaDescrizioneDettaglio(const QString& didascalia, const QString& da, const QString& a)
{
    return QStringLiteral(" ") + vbTrim(didascalia) + QStringLiteral(" dal ") + da
           + QStringLiteral(" al ") + a;
}

QStringList fileRisultati(const DescrizioneSimulazione& d, const QString& intestazioneNumeri,
                          const std::vector<RigaRisultato>& righe)
{
    return file(kTitolo, righeDescrizione(d), tabellaRisultati(intestazioneNumeri, righe));
}

QStringList fileDettaglio(const DescrizioneSimulazione& d, const QString& descrizioneDettaglio,
                          const std::vector<RigaDettaglioTesto>& righe)
{
    return file(kTitolo, righeDescrizione(d) << descrizioneDettaglio, tabellaDettaglio(righe));
}

std::vector<RigaStampa> stampaRisultati(const DescrizioneSimulazione& d,
                                        const QString& intestazioneNumeri,
                                        const std::vector<RigaRisultato>& righe, int copie)
{
    const Tabella t = tabellaRisultati(intestazioneNumeri, righe);
    return stampa(kTitoloStampaRisultati, righeDescrizione(d), t, 94,
                  QStringList{QString()} + t.testata + QStringList{QString()}, 4, copie);
}

std::vector<RigaStampa> stampaDettaglio(const DescrizioneSimulazione& d,
                                        const QString& descrizioneDettaglio,
                                        const std::vector<RigaDettaglioTesto>& righe, int copie)
{
    const Tabella t = tabellaDettaglio(righe);
    return stampa(kTitolo, righeDescrizione(d) << descrizioneDettaglio, t, 72,
                  t.testata + QStringList{QString()}, 2, copie);
}
