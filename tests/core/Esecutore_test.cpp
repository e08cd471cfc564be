#include "core/Esecutore.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Waits (a bounded while) for the run to stop; true when it did.
bool attendiStop(const ContestoUnita& c)
{
    for (int i = 0; i < 5000 && !c.fermato(); ++i)
        std::this_thread::sleep_for(1ms);
    return c.fermato();
}

} // namespace

TEST(Esecutore, ResultsComeInUnitOrderWhateverTheWorkers)
{
    for (int lavoratori : {1, 3, 16}) {
        const int n = 40;
        const int quanti = numeroLavoratori(n, lavoratori);
        EXPECT_EQ(quanti, std::min(lavoratori, n));
        // Each worker index is used by one unit at a time: scratch state per worker is safe.
        std::unique_ptr<std::atomic<int>[]> occupato(new std::atomic<int>[quanti]);
        for (int i = 0; i < quanti; ++i)
            occupato[i] = 0;
        std::atomic<bool> sovrapposti{false};
        const auto e = eseguiUnita<std::string>(
            n,
            [&](int u, ContestoUnita& c) -> std::optional<std::string> {
                if (c.lavoratore() < 0 || c.lavoratore() >= quanti
                    || occupato[c.lavoratore()].fetch_add(1) != 0)
                    sovrapposti = true;
                // Later units finish sooner, so completion order differs from unit order.
                std::this_thread::sleep_for(std::chrono::microseconds((n - u) * 50));
                occupato[c.lavoratore()].fetch_sub(1);
                return std::to_string(u * u);
            },
            {}, {lavoratori, 1ms});
        EXPECT_FALSE(sovrapposti);
        EXPECT_FALSE(e.interrotta);
        ASSERT_EQ(e.risultati.size(), size_t(n));
        for (int u = 0; u < n; ++u)
            EXPECT_EQ(e.risultati[u], std::to_string(u * u));
    }
    EXPECT_EQ(esegui(0, [](int, ContestoUnita&) { return true; }), 0);
    EXPECT_EQ(numeroLavoratori(0, 4), 0);
    EXPECT_GE(numeroLavoratori(5, 0), 1);
}

// A stop keeps only the unbroken prefix: units completed after a gap are dropped.
TEST(Esecutore, StopKeepsTheUnbrokenPrefixOfCompletedUnits)
{
    const int n = 10;
    std::atomic<int> finite{0};
    std::atomic<int> chiamate{0};
    const std::thread::id chiamante = std::this_thread::get_id();
    bool altroThread = false;
    const auto e = eseguiUnita<int>(
        n,
        [&](int u, ContestoUnita& c) -> std::optional<int> {
            if (u == 2) {
                c.avanza(77);
                // Unit 2 is slow: it runs until the stop and gives up.
                if (attendiStop(c))
                    return std::nullopt;
            }
            ++finite;
            return u * 10;
        },
        [&](const Avanzamento& a) {
            altroThread |= std::this_thread::get_id() != chiamante;
            ++chiamate;
            EXPECT_LE(a.completate, 2);
            // Every other unit is done: stop.
            return finite.load() == n - 1 && a.valore == 77;
        },
        {4, 1ms});
    EXPECT_FALSE(altroThread);
    EXPECT_GE(chiamate.load(), 1);
    EXPECT_TRUE(e.interrotta);
    EXPECT_EQ(e.risultati, (std::vector<int>{0, 10}));

    // A stop at the first report, before any unit is done, keeps nothing.
    std::atomic<bool> via{false};
    const auto vuota = eseguiUnita<int>(
        n,
        [&](int u, ContestoUnita& c) -> std::optional<int> {
            while (!via)
                std::this_thread::sleep_for(100us);
            if (c.fermato())
                return std::nullopt;
            return u;
        },
        [&](const Avanzamento&) {
            via = true;
            return true;
        },
        {2, 1ms});
    EXPECT_TRUE(vuota.interrotta);
    EXPECT_TRUE(vuota.risultati.empty());
}

// The first unit that fails stops the others, and its error reaches the
// caller only once every worker has been joined.
TEST(Esecutore, FirstUnitErrorIsRethrownAfterEveryWorkerIsJoined)
{
    std::atomic<int> inCorso{0};
    try {
        esegui(
            8,
            [&](int u, ContestoUnita& c) -> bool {
                ++inCorso;
                if (u == 0) {
                    --inCorso;
                    throw std::runtime_error("prima");
                }
                // The others wait for the stop, then fail too, later.
                attendiStop(c);
                std::this_thread::sleep_for(20ms);
                --inCorso;
                throw std::logic_error("dopo");
            },
            {}, {4, 1ms});
        ADD_FAILURE() << "no error reached the caller";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "prima");
        EXPECT_EQ(inCorso.load(), 0);
    }

    // So does a failure of the progress callback (an error in an event it let through).
    inCorso = 0;
    std::atomic<int> avviate{0};
    EXPECT_THROW(
        {
            try {
                esegui(
                    6,
                    [&](int, ContestoUnita& c) {
                        ++avviate;
                        ++inCorso;
                        const bool fermato = attendiStop(c);
                        std::this_thread::sleep_for(20ms);
                        --inCorso;
                        return !fermato;
                    },
                    [&](const Avanzamento&) -> bool {
                        if (avviate.load() < 3)
                            return false;
                        throw std::invalid_argument("richiamo");
                    },
                    {3, 1ms});
            } catch (...) {
                EXPECT_EQ(inCorso.load(), 0);
                throw;
            }
        },
        std::invalid_argument);
}
