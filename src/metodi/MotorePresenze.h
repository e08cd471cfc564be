#pragma once
// Presences first: the automatic search counts, for every formula, only in
// how many cases its number came out in the play wheels' colpi (one byte a
// formula and a case, 32 formulas a vector). The ranking compares presences
// first, so only the formulas that could still be among a spia's best five
// need their quantity, which is then counted for them alone.
#include "metodi/MotoreRicerca.h"

#include <QtGlobal>
#include <vector>

namespace motore {

constexpr int kRigaA = 96;             // a family-A row of byte lanes: 90 constants, padded
constexpr int kLaneB = 1408;           // family B, padded to whole 32-formula words
constexpr int kLane = kTermini * kRigaA + kLaneB;
constexpr int kBitBDraw = kLaneB / 8;  // family-B presence bits of a draw
constexpr quint8 kManca = 200;         // a missing number's index: reads past the tables' 1..180

// Each draw's numbers as table indices (a missing number is kManca), 56 a draw.
std::vector<quint8> indiciEstrazioni(const Estrazioni& est);

// A play set, draw by draw: whether each number came out in the play
// wheels' colpi, and whether the number of each family-B formula did;
// computed for every candidate draw at once, then only read.
class GiocoPresenze {
public:
    GiocoPresenze(const Estrazioni& est, const std::vector<quint8>& indici,
                  const Finestre* const* finestre, int nFinestre);
    // 12 bytes of number bits (bit n - 1: number n), then kBitBDraw of family B.
    const quint8* bit(qint32 j) const { return &bit_[size_t(j) * kBitDraw]; }
    // The count in draw j's windows of the number at table index `indice`.
    quint32 conteggio(qint32 j, int indice) const
    {
        if (indice >= kManca)
            return 0;
        return conti_[size_t(j) * 90 + size_t(indice > 90 ? indice - 91 : indice - 1)];
    }

private:
    static constexpr size_t kBitDraw = 12 + kBitBDraw;
    std::vector<quint8> bit_;
    std::vector<quint32> conti_;   // the play wheels' counts added, 90 a draw
};

// One worker's byte lanes: the presences of every formula over at most 255
// cases, emptied into 32-bit tables in list order (kFormule each).
class CorsiePresenze {
public:
    static constexpr int kInsieme = 4;   // cases added together

    CorsiePresenze();
    void azzera();
    // Up to kInsieme cases: for each, its draw's indices and presence bits.
    void aggiungi(const quint8* const* ex, const quint8* const* bit, int n, bool vettoriale);
    // Adds the lanes into each of `tabelle` and empties them.
    void scarica(quint32* const* tabelle, int nTabelle, bool vettoriale);
    // True when more cases could overflow a lane.
    bool piene() const { return casi_ > 255 - kInsieme; }

private:
    alignas(64) quint8 corsie_[kLane];
    alignas(64) quint8 u_[kInsieme][512];
    int casi_ = 0;
};

// The union of two wheels' presences: a + b - comuni, into `unione`; returns its largest.
quint32 unione(const quint32* a, const quint32* b, const quint32* comuni, quint32* unione,
               bool vettoriale);

// The least presence a formula needs to rank among the rows listed: the
// `quante`-th largest (1 or 5), and at least 1.
quint32 sogliaCandidate(const quint32* presenze, int quante);
// The formulas with at least `soglia` presences, in list order.
void formuleCandidate(const quint32* presenze, quint32 soglia, std::vector<int>& candidate,
                      bool vettoriale);

// A formula's number in a draw as a table index: `ex` the draw's indices.
class IndiceFormula {
public:
    explicit IndiceFormula(int formula);
    int operator()(const quint8* ex) const { return ex[a_] + (b_ < 0 ? k_ : ex[b_]); }

private:
    int a_ = 0, b_ = -1, k_ = 0;
};

// The best five among candidate formulas, as migliori() over all of them.
int miglioriCandidate(const std::vector<int>& formule, const std::vector<quint64>& totali,
                      Migliore (&top)[5]);

} // namespace motore
