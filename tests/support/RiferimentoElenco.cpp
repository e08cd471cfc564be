#include "RiferimentoElenco.h"

#include "core/Archivio.h"

#include <algorithm>

namespace {

int valore(const RiferimentoElenco& p, int cella)
{
    return p.didascalia[size_t(cella)].toInt();
}

void segna(RiferimentoElenco& p, int cella, int e)
{
    p.colore[size_t(cella)] = e;
}

// Step 3 of modes 3, 4 and 5 for pair (a, b) of row r.
void segnaCoppia(RiferimentoElenco& p, int r, int a, int b, int c)
{
    for (int w = 1; w <= 11; ++w) {
        const int base = (r - 1) * 55 + (w - 1) * 5;
        int uguali = 0;
        for (int k = 1; k <= 5; ++k)
            if (valore(p, base + k) == a || valore(p, base + k) == b)
                ++uguali;
        if (uguali > 1)
            for (int k = 1; k <= 5; ++k)
                if (valore(p, base + k) == a || valore(p, base + k) == b)
                    segna(p, base + k, p.colore[size_t(base + k)] >= 0 ? 8 : c);
    }
}

} // namespace

RiferimentoElenco paginaLetterale(ArchivioEstrazioni& a, qint32 ultima, int modo,
                                  const std::array<bool, 91>& selezionati, int sorteMinima,
                                  bool& alterna)
{
    RiferimentoElenco p;
    for (int r = 1; r <= 36; ++r) {
        const RecEstrazione rec = a.leggi(ultima - 36 + r);
        for (int q = 1; q <= 55; ++q)
            p.didascalia[size_t((r - 1) * 55 + q)] = QString::number(rec.numero((q - 1) / 5 + 1, (q - 1) % 5 + 1));
    }
    alterna = !alterna;
    for (int r = 1; r <= 36; ++r) {
        p.bianca[size_t(r)] = alterna;
        for (int q = 1; q <= 55; ++q)
            p.colore[size_t((r - 1) * 55 + q)] = -1;
        alterna = !alterna;
    }
    if (modo == 0) {
        for (int r = 1; r <= 36; ++r)
            for (int w = 1; w <= 11; ++w) {
                const int base = (r - 1) * 55 + (w - 1) * 5;
                int conta = 0;
                for (int k = 1; k <= 5; ++k)
                    if (selezionati[size_t(valore(p, base + k))])
                        ++conta;
                for (int k = 1; k <= 5; ++k) {
                    const int n = valore(p, base + k);
                    if (n >= 1 && selezionati[size_t(n)] && (sorteMinima < 2 || conta >= sorteMinima))
                        segna(p, base + k, (n - 1) / 10);
                }
            }
    } else if (modo == 1 || modo == 2) {
        int c = 0;
        for (int r = 1; r <= 35; ++r)
            for (int w = 1; w <= 11; ++w) {
                int celle[10];
                for (int k = 0; k < 10; ++k)
                    celle[k] = (r - 1 + k / 5) * 55 + (w - 1) * 5 + k % 5 + 1;
                int presenze[91] = {};
                for (int cella : celle)
                    ++presenze[valore(p, cella)];
                if (modo == 1) {
                    for (int n = 1; n <= 90; ++n)
                        if (presenze[n] > 1)
                            for (int cella : celle)
                                if (valore(p, cella) == n)
                                    segna(p, cella, (n - 1) / 10);
                    continue;
                }
                for (int x = 1; x <= 89; ++x)
                    for (int y = x + 1; y <= 90; ++y)
                        if (presenze[x] >= 2 && presenze[y] >= 2) {
                            for (int cella : celle)
                                if (valore(p, cella) == x || valore(p, cella) == y)
                                    segna(p, cella, c);
                            c = c == 8 ? 0 : c + 1;
                        }
            }
    } else if (modo >= 3 && modo <= 5) {
        static bool tabella[91][91];
        for (int x = 0; x <= 90; ++x)
            for (int y = 0; y <= 90; ++y) {
                const bool vert = x / 10 >= 1 && x / 10 <= 8 && x % 10 >= 1 && x % 10 <= 8
                                  && x / 10 != x % 10 && y == (x % 10) * 10 + x / 10;
                const bool compl_ = x >= 1 && x <= 89 && x != 45 && x + y == 90;
                tabella[x][y] = modo == 3 || (modo == 4 ? vert : compl_);
            }
        int c = 0;
        for (int r = 1; r <= 36; ++r) {
            static int conta[91][91];
            for (auto& riga : conta)
                for (int& v : riga)
                    v = 0;
            for (int w = 1; w <= 11; ++w)
                for (int i = 1; i <= 4; ++i)
                    for (int j = i + 1; j <= 5; ++j) {
                        const int base = (r - 1) * 55 + (w - 1) * 5;
                        const int x = valore(p, base + i), y = valore(p, base + j);
                        if (tabella[x][y])
                            ++conta[std::min(x, y)][std::max(x, y)];
                    }
            if (modo == 3)
                c = 0;
            for (int x = 1; x <= 89; ++x)
                for (int y = x + 1; y <= 90; ++y)
                    if (conta[x][y] > (modo == 3 ? 1 : 0)) {
                        segnaCoppia(p, r, x, y, c);
                        c = c == 8 ? 0 : c + 1;
                    }
        }
    }
    return p;
}
