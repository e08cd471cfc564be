#include "RiferimentoAbbinamenti.h"

#include "core/Archivio.h"
#include "core/Restrizioni.h"

#include <cmath>
#include <vector>

namespace {

int somma(int a, int b)
{
    const int s = a + b;
    return s > 90 ? s - 90 : s;
}
int differenza(int a, int b)
{
    const int d = a - b;
    return d < 0 ? d + 90 : d;
}
int prodotto(int a, int b)
{
    const int m = (a * b) % 90;
    return m == 0 ? 90 : m;
}
bool numero(int n)
{
    return n >= 1 && n <= 90;
}
const char* const kSigle[] = {"", "BA", "CA", "FI", "GE", "MI", "NA", "PA", "RO", "TO", "VE", "NZ"};

QString dueCifre(int n)
{
    return QString::asprintf("%02d", n);
}

} // namespace

RiferimentoAlgoAbbinati algoAbbinatiRiferimento(ArchivioEstrazioni& archivio,
                                                const Restrizioni& restrizioni,
                                                const QString& codice, int colpi,
                                                qint32 inizio, qint32 fine, bool perSortite,
                                                int sortite, const std::array<bool, 12>& ricerca,
                                                const std::array<bool, 12>& gioco, int quanti)
{
    const int p1 = codice.mid(0, 1).toInt(), r1 = codice.mid(1, 2).toInt();
    const QChar op = codice.at(3);
    const int p2 = codice.mid(4, 1).toInt(), r2 = codice.mid(5, 2).toInt();
    const int k = codice.mid(7, 2).toInt();
    const int tipo = codice.mid(9, 1).toInt(), v = codice.mid(10, 2).toInt();
    static qint64 A[12][6][90];
    static qint64 B[12][6][12][6];
    std::fill(&A[0][0][0], &A[0][0][0] + 12 * 6 * 90, 0);
    std::fill(&B[0][0][0][0], &B[0][0][0][0] + 12 * 6 * 12 * 6, 0);
    qint64 uscite = 0;
    int casi = 0;
    const qint32 n = archivio.numeroEstrazioni();
    for (qint32 i = fine; i >= inizio; --i) {
        const RecEstrazione rec = archivio.leggi(i);
        if (!restrizioni.verifica(rec))
            continue;
        if (perSortite && casi >= sortite)
            break;
        bool spia = false;
        for (int w = 1; w <= 11 && !spia; ++w) {
            if (!ricerca[w])
                continue;
            for (int p = 1; p <= 5; ++p) {
                const int e = rec.numero(w, p);
                if (tipo == 0 && numero(e) && e == v && codice.at(11 + p) == u'1')
                    spia = true;
                for (int q = p + 1; q <= 5 && (tipo == 1 || tipo == 2); ++q) {
                    const int f = rec.numero(w, q);
                    if (numero(e) && numero(f) && (tipo == 1 ? somma(e, f) : differenza(e, f)) == v)
                        spia = true;
                }
            }
        }
        if (!spia)
            continue;
        ++casi;
        const RecEstrazione c = archivio.leggi(i);
        const bool costante = p2 == 0 || r2 == 0;
        const int a = c.numero(r1, p1), b = costante ? k : c.numero(r2, p2);
        if (!numero(a) || (!costante && !numero(b)))
            continue;
        const int capo = op == u'+' ? somma(a, b) : op == u'-' ? differenza(a, b) : prodotto(a, b);
        if (!numero(capo))
            continue;
        for (qint32 j = i + 1; j <= i + colpi; ++j) {
            if (j > n)
                continue;
            const RecEstrazione col = archivio.leggi(j);
            for (int g = 1; g <= 11; ++g) {
                if (!gioco[g])
                    continue;
                for (int p = 1; p <= 5; ++p) {
                    if (col.numero(g, p) != capo)
                        continue;
                    ++uscite;
                    for (int q = 1; q <= 5; ++q) {
                        const int y = col.numero(g, q);
                        if (q == p || !numero(y))
                            continue;
                        for (int r = 1; r <= 11; ++r)
                            for (int pp = 1; pp <= 5; ++pp)
                                for (int kk = 0; kk <= 89; ++kk)
                                    if (numero(c.numero(r, pp)) && somma(c.numero(r, pp), kk) == y)
                                        ++A[r][pp][kk];
                        for (int ra = 1; ra <= 10; ++ra)
                            for (int pa = 1; pa <= 5; ++pa)
                                for (int rb = ra + 1; rb <= 11; ++rb)
                                    for (int pb = 1; pb <= 5; ++pb) {
                                        const int x = c.numero(ra, pa), z = c.numero(rb, pb);
                                        if (numero(x) && numero(z) && somma(x, z) == y)
                                            ++B[ra][pa][rb][pb];
                                    }
                    }
                }
            }
        }
    }
    struct Riga {
        qint64 conta;
        QString testo, codice;
    };
    std::vector<Riga> righe;
    for (int r = 1; r <= 11; ++r)
        for (int p = 1; p <= 5; ++p)
            for (int kk = 0; kk <= 89; ++kk)
                if (A[r][p][kk] > 0)
                    righe.push_back({A[r][p][kk],
                                     QStringLiteral(" %1' su %2 + %3").arg(p).arg(kSigle[r]).arg(kk, 2),
                                     QString::number(p) + dueCifre(r) + "+000" + dueCifre(kk)});
    for (int ra = 1; ra <= 10; ++ra)
        for (int pa = 1; pa <= 5; ++pa)
            for (int rb = ra + 1; rb <= 11; ++rb)
                for (int pb = 1; pb <= 5; ++pb)
                    if (B[ra][pa][rb][pb] > 0)
                        righe.push_back({B[ra][pa][rb][pb],
                                         QStringLiteral(" %1' su %2 +  %3' su %4")
                                             .arg(pa).arg(kSigle[ra]).arg(pb).arg(kSigle[rb]),
                                         QString::number(pa) + dueCifre(ra) + "+"
                                             + QString::number(pb) + dueCifre(rb) + "00"});
    // Selection of the best, earliest first among equals.
    RiferimentoAlgoAbbinati esito;
    std::vector<bool> preso(righe.size(), false);
    for (int j = 0; j < quanti; ++j) {
        int migliore = -1;
        for (size_t x = 0; x < righe.size(); ++x)
            if (!preso[x] && (migliore < 0 || righe[x].conta > righe[size_t(migliore)].conta))
                migliore = int(x);
        if (migliore < 0)
            break;
        preso[size_t(migliore)] = true;
        const Riga& r = righe[size_t(migliore)];
        const double esatto = double(r.conta) * 100.0 / double(uscite);
        const double perc = std::nearbyint(esatto);   // ties to even
        esito.righe << QStringLiteral("%1 %   ").arg(int(perc), 3) + r.testo;
        esito.codici << r.codice;
    }
    return esito;
}

QStringList numeriAbbinatiRiferimento(ArchivioEstrazioni& archivio, const Restrizioni& restrizioni,
                                      int capogioco, qint32 fine,
                                      const std::array<bool, 12>& gioco, int quanti)
{
    std::array<int, 91> conta{};
    int occorrenze = 0;
    const qint32 n = archivio.numeroEstrazioni();
    for (qint32 i = fine; i >= 100 && numero(capogioco); --i) {
        const RecEstrazione rec = archivio.leggi(i);
        if (!restrizioni.verifica(rec))
            continue;
        for (int w = 1; w <= 11; ++w) {
            if (!gioco[w])
                continue;
            std::array<bool, 91> gia{};
            bool c = false;
            for (int p = 1; p <= 5; ++p)
                c = c || rec.numero(w, p) == capogioco;
            if (!c)
                continue;
            ++occorrenze;
            std::vector<RecEstrazione> tre{rec};
            for (qint32 k = i - 1; k >= i - 5 && k >= 1; --k) {
                const RecEstrazione r = archivio.leggi(k);
                if (restrizioni.verifica(r)) {
                    tre.push_back(r);
                    break;
                }
            }
            for (qint32 k = i + 1; k <= i + 5; ++k) {
                if (k > n)
                    continue;
                const RecEstrazione r = archivio.leggi(k);
                if (restrizioni.verifica(r)) {
                    tre.push_back(r);
                    break;
                }
            }
            for (const RecEstrazione& r : tre)
                for (int p = 1; p <= 5; ++p) {
                    const int y = r.numero(w, p);
                    if (numero(y) && y != capogioco && !gia[y]) {
                        ++conta[y];
                        gia[y] = true;
                    }
                }
        }
        if (occorrenze >= 10)
            break;
    }
    QStringList righe;
    for (int s = 90 * 3; s >= 1; --s)
        for (int y = 1; y <= 90; ++y)
            if (conta[y] == s && righe.size() < quanti) {
                const int decimi = (2000 * s + occorrenze) / (2 * occorrenze);   // half away from zero
                const QString perc = QStringLiteral("%1,%2").arg(decimi / 10).arg(decimi % 10);
                righe << QStringLiteral("%1%  n. %2").arg(perc, 5).arg(y, 4);
            }
    return righe;
}
