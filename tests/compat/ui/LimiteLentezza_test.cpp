#include "compat/ui/LimiteLentezza.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace compat;
using namespace std::chrono_literals;

// One byte every 10 µs for 5 s, then silence, the bound asked at each piece:
// about an entry a second, and the break once the last 1,000 bytes have left
// the 2 s window (6.99 s), at most a second late. A window of nothing is a second.
TEST(LimiteLentezza, KeepsAboutAnEntryASecondAndAWindowOfASecondAtLeast)
{
    struct Caso {
        std::chrono::seconds finestra;
        std::chrono::microseconds per, dal, al;
    };
    for (const Caso& c : {Caso{2s, 5s, 6990ms, 7990ms}, Caso{0s, 0s, 1s, 1s}}) {
        const LimiteLentezza::Orologio::time_point t0{};
        LimiteLentezza limite(c.finestra, t0);
        std::size_t voci = 0;
        auto t = 0us;
        for (; !limite.troppoLento(t0 + t) && t < 10s; t += 10us) {
            if (t < c.per)
                limite.ricevuti(1, t0 + t);
            voci = std::max(voci, limite.voci());
        }
        EXPECT_GE(t, c.dal);
        EXPECT_LE(t, c.al);
        EXPECT_LE(voci, 4u);
    }
}
