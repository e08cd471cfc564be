#include "metodi/RicercaMultiRuota.h"

#include "ArchivioTest.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Restrizioni.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::array<bool, 12> box(std::initializer_list<int> ticked)
{
    std::array<bool, 12> b{};
    for (int i : ticked)
        b[i] = true;
    return b;
}

QString descrivi(const std::vector<CombinazioneRuote>& runs)
{
    QStringList t;
    for (const CombinazioneRuote& c : runs)
        t << testoRuoteMulti(c.ricerca) + u'/' + testoRuoteMulti(c.gioco);
    return t.join(u' ');
}

} // namespace

TEST(RicercaMultiRuota, CombinationsInTheOrderOfTheRuns)
{
    // BA, CA, FI two at a time; NA and RO one at a time.
    EXPECT_EQ(descrivi(combinazioniMultiRuota(box({1, 2, 3}), box({6, 8}), 2, 1)),
              "BA-CA/NA BA-CA/RO BA-FI/NA BA-FI/RO CA-FI/NA CA-FI/RO");
    // "Tutte assieme": one search set, with the Nazionale when its box is ticked.
    EXPECT_EQ(descrivi(combinazioniMultiRuota(box({2, 11}), box({1, 2, 3}), 0, 3)),
              "Tutte+NZ/BA-CA-FI");
    EXPECT_EQ(descrivi(combinazioniMultiRuota(box({2}), box({1, 2}), 0, 2)), "Tutte/BA-CA");
    // Four play wheels three at a time: four sets.
    EXPECT_EQ(descrivi(combinazioniMultiRuota(box({5}), box({1, 2, 3, 11}), 1, 3)),
              "MI/BA-CA-FI MI/BA-CA-NZ MI/BA-FI-NZ MI/CA-FI-NZ");
    // A ticked "Tutte" box counts as the ten.
    EXPECT_EQ(combinazioniMultiRuota(box({0, 11}), box({0}), 2, 1).size(), 55u * 10u);
    // Too few candidates, or none: no run.
    EXPECT_TRUE(combinazioniMultiRuota(box({1}), box({2}), 2, 1).empty());
    EXPECT_TRUE(combinazioniMultiRuota(box({1, 2}), box({2, 3}), 1, 3).empty());
    EXPECT_TRUE(combinazioniMultiRuota(box({1}), box({}), 1, 1).empty());
}

TEST(RicercaMultiRuota, WheelTexts)
{
    EXPECT_EQ(testoRuoteMulti(box({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})), "Tutte");
    EXPECT_EQ(testoRuoteMulti(box({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})), "Tutte+NZ");
    EXPECT_EQ(testoRuoteMulti(box({6, 1})), "BA-NA");
    EXPECT_EQ(testoRuoteMulti(box({6, 8, 10})), "NA-RO-VE");
}
