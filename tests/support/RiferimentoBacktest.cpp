#include "RiferimentoBacktest.h"

#include "metodi/TestiBacktest.h"
#include "core/Archivio.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Restrizioni.h"

#include <QLocale>
#include <cmath>

namespace {

const char* const kSigle[] = {"Tu", "BA", "CA", "FI", "GE", "MI", "NA",
                              "PA", "RO", "TO", "VE", "NZ"};

int somma90(int a, int b)
{
    int r = a + b;
    if (r > 90)
        r -= 90;
    return r;
}

int differenza90(int a, int b)
{
    int r = a - b;
    if (r < 0)
        r += 90;
    return r;
}

int prodotto90(int a, int b)
{
    int r = (a * b) % 90;
    if (r == 0)
        r = 90;
    return r;
}

// Str of an integer: a blank before a number that is not negative.
QString str(qint64 n)
{
    return n >= 0 ? QStringLiteral(" ") + QString::number(n) : QString::number(n);
}

QString destra(const QString& t, int n)
{
    return t.size() >= n ? t : QString(n - t.size(), u' ') + t;
}

// One decimal, comma, half away from zero.
QString unDecimale(double x)
{
    const double arrotondato = std::floor(x * 10 + 0.5) / 10;
    QString t = QString::number(arrotondato, 'f', 1);
    t.replace(u'.', u',');
    return t;
}

// A number of a record: 0 for no number, and for the Nazionale before it existed.
int numero(const RecEstrazione& r, int ruota, int posizione)
{
    const int n = r.bytes[11 + (ruota - 1) * 5 + (posizione - 1)];
    if (n < 1 || n > 90)
        return 0;
    if (ruota == 11) {
        const auto d = r.data();
        if (!d || *d < primaDataNazionale())
            return 0;
    }
    return n;
}

int campo(const QString& codice, int da, int quanti)
{
    bool ok = false;
    const int v = codice.mid(da - 1, quanti).trimmed().toInt(&ok);
    return ok ? v : -1;
}

// The formula of the code on draw `estrazione`, read afresh.
int valuta(ArchivioEstrazioni& archivio, const QString& codice, qint32 estrazione)
{
    if (codice.size() < 9)
        return 0;
    const int p1 = campo(codice, 1, 1), r1 = campo(codice, 2, 2);
    const QChar op = codice[3];
    const int p2 = campo(codice, 5, 1), r2 = campo(codice, 6, 2), k = campo(codice, 8, 2);
    if (p1 < 1 || p1 > 5 || r1 < 1 || r1 > 11 || (op != u'+' && op != u'-' && op != u'x')
        || p2 < 0 || p2 > 5 || r2 < 0 || r2 > 11 || k < 0 || k > 89)
        return 0;
    const RecEstrazione rec = archivio.leggi(estrazione);
    const int a = numero(rec, r1, p1);
    int b = k;
    if (p2 != 0 && r2 != 0)
        b = numero(rec, r2, p2);
    if (a == 0 || (b == 0 && p2 != 0 && r2 != 0))
        return 0;
    if (op == u'+')
        return somma90(a, b);
    if (op == u'-')
        return differenza90(a, b);
    return prodotto90(a, b);
}

} // namespace

EsitoRiferimentoBacktest backtestRiferimento(ArchivioEstrazioni& archivio,
                                             const Restrizioni& restrizioni,
                                             const CalendarioMensile& cal,
                                             const ParametriBacktest& p,
                                             const std::array<bool, 6>& validita)
{
    EsitoRiferimentoBacktest e;
    const QString codice = p.codice;
    const int tipo = campo(codice, 10, 1);
    const int v = campo(codice, 11, 2);
    bool spia[6] = {};
    for (int q = 1; q <= 5; ++q)
        spia[q] = codice.mid(11 + q, 1) == QStringLiteral("1");

    QString testoVal;
    if (!(validita[1] && validita[2] && validita[3] && validita[4] && validita[5])) {
        testoVal = QStringLiteral(" in ");
        for (int q = 1; q <= 5; ++q)
            if (validita[q])
                testoVal += str(q) + QStringLiteral("'");
        testoVal += QStringLiteral(" pos.");
    }

    int n = 0;
    if (p.codiciAbbinati.size() > 1)
        n = std::min<int>(int(p.codiciAbbinati.size()) - 1, 30);

    const qint32 fine = std::min(p.estrazioneFine, archivio.numeroEstrazioni());
    QString ultimaData;
    for (qint32 i = fine; i >= std::max<qint32>(p.estrazioneInizio, 1); --i) {
        if (p.indiceScelto != 0) {
            if (p.indiceScelto == p.indiceMassimo + 1) {
                if (!(i < qint32(cal.UltimaDelMese.size()) && cal.UltimaDelMese[i]))
                    continue;
            } else if (!(i < qint32(cal.IndiceMensile.size())
                         && cal.IndiceMensile[i] == p.indiceScelto)) {
                continue;
            }
        }
        const RecEstrazione rec = archivio.leggi(i);
        if (!restrizioni.verifica(rec))
            continue;
        if (p.perSortite && e.casiRilevati >= p.sortite)
            break;
        QString ruoteCaso;
        for (int w = 1; w <= 11; ++w) {
            if (!p.ruoteRicerca[w])
                continue;
            int E[6];
            for (int q = 1; q <= 5; ++q)
                E[q] = numero(rec, w, q);
            bool trovata = false;
            if (tipo == 0) {
                for (int q = 1; q <= 5; ++q)
                    if (E[q] != 0 && E[q] == v && spia[q])
                        trovata = true;
            } else if (tipo == 1 || tipo == 2) {
                for (int a = 1; a <= 4; ++a)
                    for (int b = a + 1; b <= 5; ++b)
                        if (E[a] != 0 && E[b] != 0
                            && (tipo == 1 ? somma90(E[a], E[b]) : differenza90(E[a], E[b])) == v)
                            trovata = true;
            }
            if (trovata)
                ruoteCaso += QString::fromLatin1(kSigle[w]) + QStringLiteral(" ");
        }
        if (ruoteCaso.isEmpty())
            continue;
        e.casiRilevati += 1;
        if (i + p.colpi > fine)
            e.casiInGioco += 1;

        const int C = valuta(archivio, codice, i);
        int A[31] = {};
        for (int j = 1; j <= n; ++j)
            if (!p.codiciAbbinati[j].isEmpty())
                A[j] = valuta(archivio, p.codiciAbbinati[j], i);
        for (int j = 1; j <= n; ++j)
            while (A[j] > 0 && A[j] == C)
                A[j] = somma90(A[j], 1);
        for (int j = 1; j <= n; ++j) {
            for (int k = j + 1; k <= n; ++k) {
                if (A[j] > 0 && A[k] > 0 && A[j] == A[k]) {
                    A[k] = somma90(A[k], 1);
                    while (A[k] == C)
                        A[k] = somma90(A[k], 1);
                    j = 0;   // start again from the first pair
                    break;
                }
            }
        }
        QString testoNum = QStringLiteral("C:") + str(C) + testoVal;
        if (n > 0) {
            testoNum += QStringLiteral(" A: ");
            for (int j = 1; j <= n; ++j)
                testoNum += (j > 1 ? QStringLiteral("-") : QString()) + QString::number(A[j]);
        }

        bool vinto = false;
        int colpo = 0;
        for (qint32 k = i + 1; k <= fine; ++k) {
            const RecEstrazione esito = archivio.leggi(k);
            if (!restrizioni.verifica(esito))
                continue;
            colpo += 1;
            for (int w = 1; w <= 11; ++w) {
                if (!p.ruoteGioco[w])
                    continue;
                int E[6];
                for (int q = 1; q <= 5; ++q)
                    E[q] = numero(esito, w, q);
                int rigaVincita = -1;
                for (int q = 1; q <= 5; ++q) {
                    if (!(validita[q] && C != 0 && E[q] == C))
                        continue;
                    e.ambate += 1;
                    const QString D = archivio.leggi(i).dataTesto();
                    std::array<QString, 9> riga;
                    if (D != ultimaData) {
                        std::array<QString, 9> sep;
                        for (int c = 0; c < 8; ++c)
                            sep[c] = QStringLiteral(" ");
                        sep[8] = QString::number(e.righe.size() + 1).rightJustified(5, u'0');
                        e.righe.push_back(sep);
                        riga[0] = D;
                        riga[1] = ruoteCaso;
                        riga[2] = testoNum;
                        ultimaData = D;
                    } else {
                        riga[0] = riga[1] = riga[2] = QStringLiteral("\"");
                    }
                    riga[3] = str(C);
                    riga[4] = QStringLiteral(" ");
                    riga[5] = esito.dataTesto();
                    riga[6] = str(colpo);
                    riga[7] = QString::fromLatin1(kSigle[w]);
                    riga[8] = QString::number(e.righe.size() + 1).rightJustified(5, u'0');
                    e.righe.push_back(riga);
                    rigaVincita = int(e.righe.size()) - 1;
                }
                if (rigaVincita < 0)
                    continue;
                if (!vinto)
                    e.sommaColpi += colpo;
                vinto = true;
                bool primo = true;
                for (int q = 1; q <= 5; ++q)
                    for (int j = 1; j <= n; ++j) {
                        if (A[j] == 0 || E[q] != A[j])
                            continue;
                        e.ambiSecchi += 1;
                        const QString ambo = str(C) + QStringLiteral("-") + str(A[j]);
                        if (primo) {
                            e.righe[rigaVincita][4] = ambo;
                            primo = false;
                        } else {
                            std::array<QString, 9> riga = e.righe[rigaVincita];
                            riga[0] = riga[1] = riga[2] = QStringLiteral("\"");
                            riga[4] = ambo;
                            riga[8] = QString::number(e.righe.size() + 1).rightJustified(5, u'0');
                            e.righe.push_back(riga);
                        }
                    }
            }
            if (colpo == p.colpi)
                break;
        }
        if (vinto)
            e.casiFavorevoli += 1;
    }

    qint64 negativi = e.casiRilevati - e.casiInGioco - e.casiFavorevoli;
    qint64 sfaldati = 0;
    if (negativi < 0) {
        sfaldati = -negativi;
        negativi = 0;
    }
    auto cinque = [](qint64 x) { return destra(str(x), 5); };
    auto perc = [&](qint64 x) {
        if (e.casiRilevati == 0)
            return QStringLiteral("0,0");
        return unDecimale(double(x) * 100.0 / double(e.casiRilevati));
    };
    e.risultati << QStringLiteral(" ")
                << QStringLiteral(" Casi rilevati   : ") + cinque(e.casiRilevati)
                << QStringLiteral(" Casi favorevoli : ") + cinque(e.casiFavorevoli)
                       + QStringLiteral(" (") + perc(e.casiFavorevoli) + QStringLiteral(" %)")
                << QStringLiteral(" Casi negativi   : ") + cinque(negativi) + QStringLiteral(" (")
                       + perc(negativi) + QStringLiteral(" %)");
    if (sfaldati > 0)
        e.risultati << QStringLiteral(" Casi in gioco   : ") + cinque(e.casiInGioco - sfaldati)
                           + QStringLiteral(" (") + QString::number(sfaldati)
                           + QStringLiteral(" già sfaldato/i)");
    else
        e.risultati << QStringLiteral(" Casi in gioco   : ") + cinque(e.casiInGioco);
    e.risultati << QStringLiteral(" Ambate          : ") + cinque(e.ambate)
                << QStringLiteral(" Ambi secchi     : ") + cinque(e.ambiSecchi);
    const QString attesa = e.casiFavorevoli == 0
                               ? QStringLiteral("0,0")
                               : unDecimale(double(e.sommaColpi) / double(e.casiFavorevoli));
    e.risultati << QStringLiteral(" Attesa media    : ") + destra(attesa, 5)
                       + QStringLiteral(" colpi");
    return e;
}

QString differenzaBacktest(const EsitoBacktest& v, const EsitoRiferimentoBacktest& r)
{
    auto diversi = [](const char* cosa, qint64 a, qint64 b) {
        return QStringLiteral("%1: %2 / %3").arg(QString::fromLatin1(cosa)).arg(a).arg(b);
    };
    if (v.casiRilevati != r.casiRilevati)
        return diversi("casi rilevati", v.casiRilevati, r.casiRilevati);
    if (v.casiInGioco != r.casiInGioco)
        return diversi("casi in gioco", v.casiInGioco, r.casiInGioco);
    if (v.casiFavorevoli != r.casiFavorevoli)
        return diversi("casi favorevoli", v.casiFavorevoli, r.casiFavorevoli);
    if (v.ambate != r.ambate)
        return diversi("ambate", v.ambate, r.ambate);
    if (v.ambiSecchi != r.ambiSecchi)
        return diversi("ambi", v.ambiSecchi, r.ambiSecchi);
    if (v.sommaColpi != r.sommaColpi)
        return diversi("somma colpi", v.sommaColpi, r.sommaColpi);
    if (v.righe.size() != r.righe.size())
        return diversi("righe", qint64(v.righe.size()), qint64(r.righe.size()));
    for (size_t i = 0; i < r.righe.size(); ++i)
        for (int c = 0; c < 9; ++c)
            if (v.cella(i, c) != r.righe[i][c])
                return QStringLiteral("riga %1 colonna %2: \"%3\" / \"%4\"")
                    .arg(i + 1)
                    .arg(c)
                    .arg(v.cella(i, c), r.righe[i][c]);
    const QStringList risultati = righeRisultati(v);
    if (risultati != r.risultati)
        return QStringLiteral("risultati: ") + risultati.join(u'|') + QStringLiteral(" / ")
               + r.risultati.join(u'|');
    return {};
}
