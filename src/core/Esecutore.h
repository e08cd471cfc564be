#pragma once
// The runner of long computations: units 0..n-1 are computed by worker
// threads while the caller's thread reports progress and may stop the run.
// A stop keeps the units completed as an unbroken prefix from unit 0, so
// that what is kept equals what a plain sequential run would have produced
// up to that point. A failure in a unit (or in the progress callback) reaches
// the caller only after every worker has been joined.
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// What a unit sees while it runs.
class ContestoUnita {
public:
    ContestoUnita(const std::atomic<bool>& stop, std::atomic<int>& valore, int lavoratore)
        : stop_(stop), valore_(valore), lavoratore_(lavoratore)
    {
    }
    // True once the run is stopping (a stop asked, or another unit failed):
    // a long unit checks it and gives up.
    bool fermato() const { return stop_.load(std::memory_order_relaxed); }
    // Progress from inside a unit (the last value reported by any unit).
    void avanza(int valore) { valore_.store(valore, std::memory_order_relaxed); }
    // The worker running the unit, 0..lavoratori - 1: an index for scratch
    // state each worker keeps for itself.
    int lavoratore() const { return lavoratore_; }

private:
    const std::atomic<bool>& stop_;
    std::atomic<int>& valore_;
    int lavoratore_;
};

// What the progress callback is told.
struct Avanzamento {
    int completate = 0;   // units completed as an unbroken prefix from unit 0
    int valore = 0;       // the last value a unit passed to avanza()
};

struct OpzioniEsecuzione {
    int lavoratori = 0;   // 0 = one per core; never more than the units
    std::chrono::milliseconds intervallo{10};   // progress is reported at least this often
};

// How many workers a run of `unita` units uses.
int numeroLavoratori(int unita, int richiesti);

// Computes units 0..n-1. `calcola(u, contesto)` computes unit u and returns
// false when it gave up on a stop (each unit runs once, on one worker, so it
// may write its own slot of a result array). `progresso`, on the caller's
// thread while units remain, returns true to stop. Returns the number of
// units completed as an unbroken prefix from 0 (n unless stopped).
int esegui(int n, const std::function<bool(int unita, ContestoUnita&)>& calcola,
           const std::function<bool(const Avanzamento&)>& progresso = {},
           OpzioniEsecuzione opzioni = {});

// The results of a run, in unit order: every unit's unless it was stopped,
// then those of the completed prefix.
template <class R>
struct Esecuzione {
    std::vector<R> risultati;
    bool interrotta = false;
};

// The same collecting results: `calcola(u, contesto)` returns the unit's
// result, or nothing when it gave up on a stop.
template <class R, class F>
Esecuzione<R> eseguiUnita(int n, F&& calcola,
                          const std::function<bool(const Avanzamento&)>& progresso = {},
                          OpzioniEsecuzione opzioni = {})
{
    std::vector<std::optional<R>> parziali(n > 0 ? n : 0);
    const int completate = esegui(
        n,
        [&](int u, ContestoUnita& c) {
            parziali[u] = calcola(u, c);
            return parziali[u].has_value();
        },
        progresso, opzioni);
    Esecuzione<R> e;
    e.interrotta = completate < n;
    e.risultati.reserve(completate);
    for (int u = 0; u < completate; ++u)
        e.risultati.push_back(std::move(*parziali[u]));
    return e;
}
