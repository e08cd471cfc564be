#include "RiferimentoSommativa.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

bool passa(const CalendarioMensile& c, int indice, int indiceMassimo, qint32 i)
{
    if (i < 1 || size_t(i) >= c.IndiceMensile.size())
        return false;
    if (indice == indiceMassimo + 1)
        return c.UltimaDelMese[size_t(i)];
    return c.IndiceMensile[size_t(i)] == indice;
}

int somma(int a, int k)
{
    int r = a + k;
    if (r >= 91)
        r = r - 90;
    return r;
}

QString testo(int codice, int k)
{
    static const char* sigle[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RO", "TO", "VE", "NZ"};
    QString s = QStringLiteral("%1' su %2").arg((codice - 1) % 5 + 1).arg(QLatin1String(sigle[(codice - 1) / 5]));
    if (k > 0)
        s += QStringLiteral(" + %1").arg(k);
    return s;
}

QString campo(int v, int larghezza)
{
    return QString::number(v).rightJustified(larghezza, u' ');
}

QString percento(int parte, int tutto)
{
    // Hundredths of a per cent, halves away from zero.
    const long long v = std::llround(10000.0 * parte / tutto);
    const QString p = QStringLiteral("%1,%2").arg(v / 100).arg(v % 100, 2, 10, QLatin1Char('0'));
    return campo(parte, 3) + QStringLiteral("  (") + p + QStringLiteral("%)");
}

int codici(const ArchivioMemoria& a, qint32 i)
{
    return i >= a.primaEstrazioneRuota(11) ? 55 : 50;
}

void ripetute(std::vector<QString*>& testi)
{
    int conta[91][91] = {};
    auto leggi = [](const QString& t, int& x, int& y) {
        x = t.mid(0, 2).trimmed().toInt();
        y = t.mid(5, 2).trimmed().toInt();
        if (x > y)
            std::swap(x, y);
    };
    for (QString* t : testi) {
        int x, y;
        leggi(*t, x, y);
        if (x > 0 && y > 0)
            conta[x][y] += 1;
    }
    for (QString* t : testi) {
        int x, y;
        leggi(*t, x, y);
        if (x > 0 && y > 0 && conta[x][y] > 1)
            *t += QStringLiteral("(%1)").arg(conta[x][y]);
    }
}

} // namespace

qint32 inizioRiferimento(const CalendarioMensile& c, int indice, int indiceMassimo, qint32 fine,
                         int colpi, int cicli, qint32 primaRuota)
{
    qint32 inizio = 0;
    if (indice >= 1 && indice <= indiceMassimo + 1) {
        qint32 j;
        for (j = fine; j >= 1; --j)
            if (passa(c, indice, indiceMassimo, j) && j + colpi <= fine)
                break;
        if (j < 1)
            return 0;
        int conta = 1;
        if (cicli == 1) {
            inizio = j;
        } else {
            for (qint32 m = j - 1; m >= 1; --m) {
                if (passa(c, indice, indiceMassimo, m)) {
                    conta = conta + 1;
                    if (conta == cicli) {
                        inizio = m;
                        break;
                    }
                }
            }
            if (inizio == 0)
                return 0;
        }
    }
    if (primaRuota <= inizio)
        return inizio;
    return 0;
}

RiferimentoSommativa sommativaRiferimento(const ArchivioMemoria& a, const CalendarioMensile& c,
                                          int ruota, int colpi, int cicli, int quanti, int indice,
                                          int indiceMassimo, qint32 inizio, qint32 fine)
{
    RiferimentoSommativa r;
    r.intestazione = QStringLiteral("Numeri al");
    // (A 1..54, k1 0..89, B 2..55, k2 0..89)
    auto cella = [](int A, int k1, int B, int k2) {
        return ((size_t(A - 1) * 90 + size_t(k1)) * 54 + size_t(B - 2)) * 90 + size_t(k2);
    };
    // Kept between runs (tests run it hundreds of times), cleared at each.
    const size_t celle = size_t(54) * 90 * 54 * 90;
    static std::unique_ptr<qint16[]> positivi(new qint16[celle]);
    static std::unique_ptr<qint16[]> quantita(new qint16[celle]);
    std::fill_n(positivi.get(), celle, qint16(0));
    std::fill_n(quantita.get(), celle, qint16(0));
    int massimo = 0;
    int cicliFatti = 0;
    int n = 0;
    int numeri[56];
    const qint32 ultima = a.numeroEstrazioni();

    for (qint32 i = inizio; i <= fine; ++i) {
        if (!passa(c, indice, indiceMassimo, i))
            continue;
        n = codici(a, i);
        bool manca = false;
        for (int k = 1; k <= n; ++k) {
            numeri[k] = a.numeri(i)[k - 1];
            if (numeri[k] < 1)
                manca = true;
        }
        if (manca)
            continue;
        if (i + colpi > ultima)
            continue;
        static int coppia[91][91];
        for (int x = 0; x <= 90; ++x)
            for (int y = 0; y <= 90; ++y)
                coppia[x][y] = 0;
        for (qint32 j = i + 1; j <= i + colpi; ++j) {
            int v[6];
            bool vuoto = false;
            for (int p = 1; p <= 5; ++p) {
                v[p] = a.numero(j, ruota, p);
                if (v[p] < 1)
                    vuoto = true;
            }
            if (vuoto)
                continue;
            for (int p = 1; p <= 5; ++p)   // straight insertion
                for (int q = p + 1; q <= 5; ++q)
                    if (v[q] < v[p])
                        std::swap(v[p], v[q]);
            for (int p = 1; p <= 4; ++p)
                for (int q = p + 1; q <= 5; ++q)
                    coppia[v[p]][v[q]] += 1;
        }
        for (int A = 1; A <= n - 1; ++A) {
            for (int k1 = 0; k1 <= 89; ++k1) {
                const int n1 = somma(numeri[A], k1);
                for (int B = A + 1; B <= n; ++B) {
                    for (int k2 = 0; k2 <= 89; ++k2) {
                        r.formuleEsaminate += 1;
                        const int n2 = somma(numeri[B], k2);
                        if (n1 == n2)
                            continue;
                        const int h = n1 < n2 ? coppia[n1][n2] : coppia[n2][n1];
                        if (h > 0) {
                            const size_t e = cella(A, k1, B, k2);
                            quantita[e] = qint16(quantita[e] + h);
                            positivi[e] = qint16(positivi[e] + 1);
                            if (positivi[e] > massimo)
                                massimo = positivi[e];
                        }
                    }
                }
            }
        }
        cicliFatti = cicliFatti + 1;
        if (cicliFatti == cicli)
            break;
    }
    r.cicli = cicliFatti;

    // The newest index draw with all 55 numbers.
    qint32 dove = 0;
    for (qint32 j = ultima; j >= 1; --j) {
        if (!passa(c, indice, indiceMassimo, j))
            continue;
        bool tutti = true;
        for (int k = 0; k < 55; ++k)
            if (a.numeri(j)[k] < 1)
                tutti = false;
        if (tutti) {
            dove = j;
            break;
        }
    }

    int righe = 0;
    for (int p = massimo; p >= 1 && righe < quanti; --p) {
        for (int A = 1; A <= n - 1 && righe < quanti; ++A)
            for (int k1 = 0; k1 <= 89 && righe < quanti; ++k1)
                for (int B = A + 1; B <= n && righe < quanti; ++B)
                    for (int k2 = 0; k2 <= 89 && righe < quanti; ++k2) {
                        const size_t e = cella(A, k1, B, k2);
                        if (positivi[e] != p)
                            continue;
                        RiferimentoSommativa::Riga riga;
                        riga.algoritmo = testo(A, k1) + QStringLiteral("  e  ") + testo(B, k2);
                        riga.codice = QStringLiteral("%1%2%3%4")
                                          .arg(A, 2, 10, QLatin1Char('0'))
                                          .arg(k1, 2, 10, QLatin1Char('0'))
                                          .arg(B, 2, 10, QLatin1Char('0'))
                                          .arg(k2, 2, 10, QLatin1Char('0'));
                        riga.positivi = percento(p, cicliFatti);
                        riga.negativi = cicliFatti - p > 0 ? percento(cicliFatti - p, cicliFatti)
                                                           : QStringLiteral("  --");
                        riga.quantita = campo(quantita[e], 5);
                        if (dove > 0) {
                            const int n1 = somma(a.numeri(dove)[A - 1], k1);
                            const int n2 = somma(a.numeri(dove)[B - 1], k2);
                            riga.numeriAl = campo(n1, 2) + QStringLiteral(" - ") + campo(n2, 2)
                                            + QStringLiteral("  ");
                            if (r.intestazione == u"Numeri al")
                                r.intestazione = QStringLiteral("Numeri al ") + a.dataTesto(dove);
                        } else {
                            riga.numeriAl = QStringLiteral("   --");
                        }
                        r.righe.push_back(riga);
                        righe = righe + 1;
                    }
    }
    std::vector<QString*> testi;
    for (auto& riga : r.righe)
        testi.push_back(&riga.numeriAl);
    ripetute(testi);
    return r;
}

QStringList dettaglioRiferimento(const ArchivioMemoria& a, const CalendarioMensile& c, int ruota,
                                 int colpi, int indice, int indiceMassimo, qint32 da, qint32 al,
                                 int A, int k1, int B, int k2)
{
    struct Riga {
        QString data, numeri, esito;
    };
    std::vector<Riga> righe;
    for (qint32 i = da; i <= al; ++i) {
        if (i + colpi > al)
            break;
        if (i < 3862)
            continue;
        if (!passa(c, indice, indiceMassimo, i))
            continue;
        const int n = codici(a, i);
        Riga riga;
        riga.data = a.dataTesto(i);
        bool manca = B > n;
        for (int k = 0; k < n; ++k)
            if (a.numeri(i)[k] < 1)
                manca = true;
        if (manca) {
            righe.push_back(riga);
            continue;
        }
        const int n1 = somma(a.numeri(i)[A - 1], k1);
        const int n2 = somma(a.numeri(i)[B - 1], k2);
        riga.numeri = campo(n1, 2) + QStringLiteral(" - ") + campo(n2, 2) + QStringLiteral("  ");
        if (n1 == n2) {
            riga.esito = QStringLiteral("Non giocabile");
            righe.push_back(riga);
            continue;
        }
        QString colpiVinti;
        for (int k = 1; k <= colpi; ++k) {
            int uno = 0, due = 0, zeri = 0;
            for (int p = 1; p <= 5; ++p) {
                const int v = a.numero(i + k, ruota, p);
                if (v == 0)
                    zeri += 1;
                if (v == n1)
                    uno += 1;
                if (v == n2)
                    due += 1;
            }
            if (zeri == 0 && uno > 0 && due > 0)
                colpiVinti += QStringLiteral("%1' ").arg(k);
        }
        riga.esito = colpiVinti.isEmpty() ? QStringLiteral("Negativo ")
                                          : QStringLiteral("Positivo ") + colpiVinti + QStringLiteral("colpo");
        righe.push_back(riga);
    }
    std::vector<QString*> testi;
    for (auto& r : righe)
        if (!r.numeri.isEmpty())
            testi.push_back(&r.numeri);
    ripetute(testi);
    QStringList out;
    for (const auto& r : righe)
        out << r.data + u'|' + r.numeri + u'|' + r.esito;
    return out;
}
