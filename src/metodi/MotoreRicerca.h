#pragma once
// The pieces of the fast method search, shared by the single search and the
// automatic multi-wheel search: the period's draws read once, the colpi
// windows of each play wheel, the cases of each spia and the ranking of the
// formulas.
#include "metodi/RicercaMetodi.h"

#include <QtGlobal>
#include <array>
#include <memory>
#include <vector>

namespace motore {

constexpr int kTermini = 55;       // wheel x position, (w - 1) * 5 + (p - 1)
constexpr int kFormuleB = 1375;
constexpr int kFormule = kTermini * 90 + kFormuleB;   // in list order: A (r, p, K), then B
constexpr int kConteggi = 96;      // counts of numbers 1..90 at 0..89, then zeros

// Whether the vector code runs: asked for, and the processor has AVX2.
bool vettoreUsabile(bool vettoriale);

// One searched spia: its value and, for a number spia, the positions in
// which it counts and the mask its codes carry.
struct Spia {
    int valore = 0;
    std::array<bool, 6> posizioni{false, true, true, true, true, true};
    QString maschera;
};

// Which of the five best rows of a spia are listed.
enum class Scelta {
    Cinque,       // a single value: all five
    PariCinque,   // all values: those of the five that tie with the first
    PariTre,      // the date search: those of the first three that tie with the first
};

// The spias of a run, in search order (the date search reads its draw).
std::vector<Spia> spieRicerca(const ArchivioMemoria& archivio, const ParametriRicerca& p);
Scelta sceltaRighe(const ParametriRicerca& p);

// The period read once: numbers (0 = no number) and which draws are allowed
// (restrictions) and may be cases (restrictions and the monthly filter).
struct Estrazioni {
    qint32 inizio = 1;
    qint32 fine = 0;
    int n = 0;
    std::vector<quint8> numeri;       // n x 55
    std::vector<quint8> ammessa;
    std::vector<quint8> candidata;
};
void preparaEstrazioni(Estrazioni& est, const ArchivioMemoria& archivio,
                       const Restrizioni& restrizioni, const CalendarioMensile& cal,
                       const ParametriRicerca& p);

// For each candidate draw, the counts of each number over its colpi on some
// play wheels (validity positions only), and the largest of them.
struct Finestre {
    std::unique_ptr<quint32[]> conteggi;   // n x kConteggi, written for candidates only
    std::vector<quint32> massimo;
};
void preparaFinestre(Finestre& f, const Estrazioni& est, const std::array<bool, 12>& ruoteGioco,
                     const ParametriRicerca& p);

struct Caso {
    qint32 indice;     // draw - inizio
    qint32 sortite;    // search wheels on which the spia came out
};
using Casi = std::vector<Caso>;

// For each spia, the draws in which it came out on a search wheel, from the
// end backwards.
std::vector<Casi> trovaCasi(const Estrazioni& est, const std::array<bool, 12>& ruoteRicerca,
                            TipoSpia tipo, const std::vector<Spia>& spie);

// The totals of one spia's formulas, in list order: presences in the high
// half, quantity in the low half, so that one comparison ranks a formula.
using Totali = std::vector<quint64>;
inline quint64 presenze(quint64 t) { return t >> 32; }
inline quint64 quantita(quint64 t) { return t & 0xFFFFFFFFu; }

// A run's count of cases, and of the wheels where their spia came out.
struct Conteggio {
    qint32 casi = 0;
    qint32 sortite = 0;
};

// The best five formulas (quantity above 0), ties kept in list order.
struct Migliore {
    quint64 totale;
    int formula;
};
int migliori(const quint64* totali, Migliore (&top)[5]);

// One formula met in list order: kept among the best `n` (at most five)
// when it beats `soglia`, the fifth best so far or 0.
inline void proponi(Migliore (&top)[5], int& n, quint64& soglia, quint64 v, int formula)
{
    if (v <= soglia)
        return;
    int i = n < 5 ? n : 4;
    while (i > 0 && top[i - 1].totale < v) {
        if (i < 5)
            top[i] = top[i - 1];
        --i;
    }
    top[i] = {v, formula};
    if (n < 5)
        ++n;
    if (n == 5)
        soglia = top[4].totale;
}

// How many of a spia's best `n` are listed.
int righeListate(const Migliore* top, int n, Scelta scelta);
// The result row of one ranked formula.
RigaRisultato rigaDi(const Migliore& m, TipoSpia tipo, const Spia& spia, qint32 casi);

} // namespace motore
