#include "consulta/Ciclometria.h"

#include "compat/vbformat.h"
#include "consulta/Analisi.h"
#include "core/Archivio.h"
#include "core/Fuori90.h"

#include <cstdlib>
#include <optional>

namespace {

QString parteRiga(const ModelloCelle& m, int i)
{
    return compat::vbFormat(m[i].testo, u"@@") + u' ' + siglaRuota((i - 1) / 5 + 1);
}

// The sum or distance of positions a and b of a row; none when a cell is empty.
std::optional<int> valoreCoppia(bool somma, const ModelloCelle& m, int riga, int a, int b)
{
    const int x = m.at(riga, a).valore;
    const int y = m.at(riga, b).valore;
    if (x == 0 || y == 0)
        return std::nullopt;
    return somma ? SommaFuori90(x, y) : std::abs(x - y);
}

} // namespace

QStringList MarcaSommaDistanza(bool somma, qint64 obiettivo, bool fuori90, bool isotopi,
                               ModelloCelle& m)
{
    QStringList righe;
    righe << (somma ? QStringLiteral("Somma ") : QStringLiteral("Distanza ")) + QString::number(obiettivo) +
                 (isotopi ? QStringLiteral(" di numeri isotopi") : QString())
          << QStringLiteral(" ");
    int colore = 0;
    for (int i = 1; i < kCelleTabellone; ++i) {
        const int x = m[i].valore;
        if (x <= 0)
            continue;
        bool trovato = false;
        for (int k = i + 1; k <= kCelleTabellone; ++k) {
            const int y = m[k].valore;
            if (y == 0)
                continue;
            const qint64 s = somma ? (fuori90 ? SommaFuori90(x, y) : x + y) : std::abs(x - y);
            if (s != obiettivo || (isotopi && (k - i) % 5 != 0))
                continue;
            if (!m[k].marcata()) {
                const auto [fondo, testo] = ColoriAnalisi(colore);
                m[i].marca(fondo, testo);
                m[k].marca(fondo, testo);
                trovato = true;
            } else {
                m[i].marca(m[k].sfondo, m[k].colore);
            }
            righe << parteRiga(m, i) + QStringLiteral(", ") + parteRiga(m, k);
        }
        if (trovato)
            colore = (colore + 1) % kCoppieColori;
    }
    return righe;
}

void MarcaUgualiIsotope(bool somma, ModelloCelle& m)
{
    int colore = 0;
    for (int r1 = 0; r1 <= 9; ++r1)
        for (int r2 = r1 + 1; r2 <= 10; ++r2)
            for (int a = 1; a <= 4; ++a) {
                bool trovato = false;
                for (int b = a + 1; b <= 5; ++b) {
                    const auto v1 = valoreCoppia(somma, m, r1, a, b);
                    if (!v1 || v1 != valoreCoppia(somma, m, r2, a, b))
                        continue;
                    Cella* quattro[] = {&m.at(r1, a), &m.at(r1, b), &m.at(r2, a), &m.at(r2, b)};
                    bool libere = true;
                    for (Cella* c : quattro)
                        libere = libere && !c->marcata();
                    if (!libere)
                        continue;
                    const auto [fondo, testo] = ColoriAnalisi(colore);
                    for (Cella* c : quattro)
                        c->marca(fondo, testo);
                    trovato = true;
                }
                if (trovato)
                    colore = (colore + 1) % kCoppieColori;
            }
}
