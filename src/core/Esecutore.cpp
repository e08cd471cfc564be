#include "core/Esecutore.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace {

struct StatoEsecuzione {
    int n = 0;
    std::unique_ptr<std::atomic<bool>[]> fatta;
    std::atomic<int> prossima{0};
    std::atomic<int> completate{0};   // in any order
    std::atomic<int> valore{0};
    std::atomic<bool> stop{false};
    std::mutex m;
    std::condition_variable cv;
    std::exception_ptr errore;        // the first failure of a worker

    int prefisso() const
    {
        int k = 0;
        while (k < n && fatta[k].load(std::memory_order_acquire))
            ++k;
        return k;
    }
};

// Whatever leaves esegui() (a failure of the progress callback included), the
// workers are stopped and joined first: a joinable thread destroyed would end
// the program.
struct Lavoratori {
    std::vector<std::thread> t;
    std::atomic<bool>& stop;
    void unisci()
    {
        stop.store(true);
        for (std::thread& x : t)
            if (x.joinable())
                x.join();
    }
    ~Lavoratori() { unisci(); }
};

} // namespace

int numeroLavoratori(int unita, int richiesti)
{
    if (unita < 1)
        return 0;
    const int n = richiesti > 0 ? richiesti : static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(n, 1, unita);
}

int esegui(int n, const std::function<bool(int, ContestoUnita&)>& calcola,
           const std::function<bool(const Avanzamento&)>& progresso, OpzioniEsecuzione opzioni)
{
    if (n < 1)
        return 0;
    StatoEsecuzione s;
    s.n = n;
    s.fatta.reset(new std::atomic<bool>[n]);
    for (int k = 0; k < n; ++k)
        s.fatta[k].store(false);

    auto lavora = [&s, &calcola](int indice) {
        ContestoUnita c(s.stop, s.valore, indice);
        try {
            for (;;) {
                const int u = s.prossima.fetch_add(1);
                if (u >= s.n || s.stop.load())
                    return;
                if (!calcola(u, c))
                    return;
                s.fatta[u].store(true, std::memory_order_release);
                {
                    std::lock_guard<std::mutex> l(s.m);
                    s.completate.fetch_add(1);
                }
                s.cv.notify_one();
            }
        } catch (...) {
            {
                std::lock_guard<std::mutex> l(s.m);
                if (!s.errore)
                    s.errore = std::current_exception();
            }
            s.stop.store(true);
            s.cv.notify_one();
        }
    };

    {
        Lavoratori lavoratori{{}, s.stop};
        const int quanti = numeroLavoratori(n, opzioni.lavoratori);
        for (int t = 0; t < quanti; ++t)
            lavoratori.t.emplace_back(lavora, t);
        for (;;) {
            {
                std::unique_lock<std::mutex> l(s.m);
                if (s.cv.wait_for(l, opzioni.intervallo,
                                  [&] { return s.completate.load() == n || s.errore; }))
                    break;
            }
            if (progresso && progresso(Avanzamento{s.prefisso(), s.valore.load()}))
                break;
        }
        lavoratori.unisci();
    }
    if (s.errore)
        std::rethrow_exception(s.errore);
    return s.prefisso();
}
