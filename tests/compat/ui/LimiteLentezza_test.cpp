#include "compat/ui/LimiteLentezza.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

using namespace compat;
using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

struct Esito {
    std::optional<microseconds> scaduto;   // when the bound was first broken
    std::size_t voci = 0;                  // the most entries kept meanwhile
};

// `byte` every `ogni` from the start until `per`, then silence; the bound is
// asked every `passo` (a divisor of `ogni`), as the transfer's progress
// callback does, until it breaks or `fino`.
Esito simula(seconds finestra, microseconds ogni, qint64 byte, microseconds per, microseconds passo,
             microseconds fino)
{
    const LimiteLentezza::Orologio::time_point t0{};
    LimiteLentezza limite(finestra, t0);
    Esito e;
    for (microseconds t{0}; t <= fino; t += passo) {
        if (t < per && t % ogni == 0us)
            limite.ricevuti(byte, t0 + t);
        e.voci = std::max(e.voci, limite.voci());
        if (limite.troppoLento(t0 + t)) {
            e.scaduto = t;
            break;
        }
    }
    return e;
}

} // namespace

// Fewer than 1,000 bytes in the window breaks the bound, at most a second
// later than counting every piece apart would; the entries kept stay about
// one a second however small the pieces.
TEST(LimiteLentezza, BreaksOnFewBytesInTheWindowAndKeepsAboutAnEntryASecond)
{
    const microseconds mai = microseconds::max();
    struct Caso {
        const char* nome;
        seconds finestra;
        microseconds ogni;
        qint64 byte;
        microseconds per;
        microseconds dal, al;   // the break expected within [dal, al]; mai: none
    };
    const Caso casi[] = {
        // 500,000 pieces of one byte, then silence: the last 1,000 bytes
        // leave the 2 s window at 6.99 s.
        {"pezzi da un byte", 2s, 10us, 1, 5s, 6990ms, 7990ms},
        {"90 byte ogni 30 s", 60s, 30s, 90, mai, 60s, 61s},
        {"999 byte al minuto", 60s, 60s, 999, mai, 60s, 61s},
        {"1000 byte al minuto", 60s, 60s, 1000, mai, mai, mai},
        {"20 byte al secondo", 60s, 1s, 20, mai, mai, mai},
        {"300 byte ogni 10 s", 60s, 10s, 300, mai, mai, mai},
        // A window of nothing or less is a second.
        {"finestra zero", 0s, 1s, 0, mai, 1s, 1s},
        {"finestra negativa", -5s, 1s, 0, mai, 1s, 1s},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const microseconds passo = std::min<microseconds>(c.ogni, 100ms);
        const Esito e = simula(c.finestra, c.ogni, c.byte, c.per, passo, 300s);
        if (c.dal == mai) {
            EXPECT_FALSE(e.scaduto.has_value()) << e.scaduto.value_or(0us).count();
        } else {
            ASSERT_TRUE(e.scaduto.has_value());
            EXPECT_GE(*e.scaduto, c.dal);
            EXPECT_LE(*e.scaduto, c.al);
        }
        EXPECT_LE(e.voci, std::size_t(std::max(c.finestra, 1s).count() + 2));
    }
}
