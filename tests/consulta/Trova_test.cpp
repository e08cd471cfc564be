#include "consulta/Trova.h"

#include <gtest/gtest.h>

namespace {

ModelloCelle riga(std::array<int, 5> n)
{
    ModelloCelle m;
    for (int p = 1; p <= 5; ++p)
        m.at(0, p).scrivi(n[size_t(p - 1)]);
    return m;
}

TEST(Trova, TargetBoxesTakeOnlyValuesASumOrADistanceCanHave)
{
    struct Caso {
        const char* testo;
        bool somma, distanza;
    } casi[] = {
        {"2", true, true},   {"180", true, false}, {"1", false, true},  {"89", true, true},
        {"90", true, false}, {"181", false, false}, {"0", false, false}, {"", false, false},
        // Far beyond any small integer: refused, never an overflow.
        {"99999999999", false, false}, {"70000", false, false}, {"65537", false, false},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(NelIntervallo(QString::fromLatin1(c.testo), kIntervalloSomma), c.somma) << c.testo;
        EXPECT_EQ(NelIntervallo(QString::fromLatin1(c.testo), kIntervalloDistanza), c.distanza) << c.testo;
    }
    EXPECT_EQ(MessaggioIntervallo(kIntervalloSomma), "inserisci un numero tra 2 e 180 !");
    EXPECT_EQ(MessaggioIntervallo(kIntervalloDistanza), "inserisci un numero tra 1 e 89 !");
}

TEST(Trova, TargetsAreAnySmallIntegerAndStopAtTheFirstBoxBeyond)
{
    ObiettiviLetti o = LeggiObiettivi({"", "100", "", "", "30", ""});
    EXPECT_EQ(o.rifiutato, -1);
    EXPECT_TRUE(o.attiva);
    EXPECT_EQ(o.valori, (std::array<int, 6>{0, 100, 0, 0, 30, 0}));

    o = LeggiObiettivi({"", "", "", "", "", ""});
    EXPECT_FALSE(o.attiva);
    EXPECT_EQ(o.rifiutato, -1);

    // Values no sum or distance reaches are still targets; 0 alone makes the search active.
    o = LeggiObiettivi({"", "0", "", "", "", ""});
    EXPECT_TRUE(o.attiva);
    EXPECT_EQ(o.rifiutato, -1);
    o = LeggiObiettivi({"45", "90", "181", "-7", "2.5", "32767"});
    EXPECT_EQ(o.rifiutato, -1);
    EXPECT_EQ(o.valori, (std::array<int, 6>{45, 90, 181, -7, 2, 32767}));
    o = LeggiObiettivi({"-32768.5", "32766.5", "", "", "", ""});   // halves to even
    EXPECT_EQ(o.valori, (std::array<int, 6>{-32768, 32766, 0, 0, 0, 0}));

    // Beyond a small integer: refused, never an overflow, and no target kept.
    for (const char* oltre : {"32768", "32767.5", "-32769", "99999999999", "1e300"}) {
        o = LeggiObiettivi({"", "10", "", QString::fromLatin1(oltre), "", ""});
        EXPECT_EQ(o.rifiutato, 3) << oltre;
        EXPECT_FALSE(o.attiva) << oltre;
        EXPECT_EQ(o.valori, (std::array<int, 6>{})) << oltre;
    }
    EXPECT_EQ(MessaggioIntervallo(kIntervalloObiettivo), "inserisci un numero tra -32768 e 32767 !");
}

TEST(Trova, AConfirmSwitchesTheOtherSearchesOffOnlyWhenItHasTargets)
{
    StatoTabellone s;
    s.TrovaNumeri = true;
    s.TotaleSomme[3] = 7;
    ConfermaSomme(s, LeggiObiettivi({"", "", "", "", "", ""}));
    EXPECT_FALSE(s.TrovaSomme);
    EXPECT_TRUE(s.TrovaNumeri);
    EXPECT_EQ(s.TotaleSomme[3], 0);

    ConfermaDistanze(s, LeggiObiettivi({"", "10", "", "", "", ""}));
    EXPECT_TRUE(s.TrovaDistanze);
    EXPECT_FALSE(s.TrovaNumeri);
    EXPECT_EQ(s.DistanzeCercate[1], 10);

    std::array<bool, 91> spuntati{};
    spuntati[0] = true;   // never a number
    ConfermaNumeri(s, spuntati);
    EXPECT_FALSE(s.TrovaNumeri);
    EXPECT_TRUE(s.TrovaDistanze);
    spuntati[7] = true;
    s.PresenzeNumeri[7] = 4;
    ConfermaNumeri(s, spuntati);
    EXPECT_TRUE(s.TrovaNumeri);
    EXPECT_FALSE(s.TrovaDistanze);
    EXPECT_FALSE(s.NumeriCercati[0]);
    EXPECT_EQ(s.PresenzeNumeri[7], 0);
}

TEST(Trova, FindSumAboveNinetyMatchesOnlyWithoutFuoriNovanta)
{
    StatoTabellone s;
    ConfermaSomme(s, LeggiObiettivi({"100", "", "", "", "", ""}));
    ModelloCelle m = riga({10, 3, 90, 4, 5});
    MarcaSommeCercate(s, false, m);
    EXPECT_TRUE(m.at(0, 1).marcata());
    EXPECT_TRUE(m.at(0, 3).marcata());
    EXPECT_EQ(s.TotaleSomme[0], 1);
    m = riga({10, 3, 90, 4, 5});
    MarcaSommeCercate(s, true, m);
    EXPECT_FALSE(m.at(0, 1).marcata());
    EXPECT_EQ(s.TotaleSomme[0], 1);

    // 30 + 60: sum 90 and distance 30; 1 and 90: Fuori 90 sum 1, distance 89.
    s.SommeCercate = {90, 1, 0, 0, 0, 0};
    s.TotaleSomme.fill(0);
    ConfermaDistanze(s, LeggiObiettivi({"30", "89", "1", "", "", ""}));
    m = riga({30, 60, 1, 90, 2});
    MarcaSommeCercate(s, true, m);
    MarcaDistanzeCercate(s, m);
    EXPECT_EQ(s.TotaleSomme, (std::array<qint32, 6>{1, 1, 0, 0, 0, 0}));
    // 30-60 and 60-90 lie 30 apart, 1-90 89 and 1-2 one.
    EXPECT_EQ(s.TotaleDistanze, (std::array<qint32, 6>{2, 1, 1, 0, 0, 0}));

    // Targets no pair can reach never match, not even the empty cells' 0.
    ConfermaSomme(s, LeggiObiettivi({"0", "-7", "181", "", "", ""}));
    ConfermaDistanze(s, LeggiObiettivi({"0", "-30", "91", "", "", ""}));
    m = ModelloCelle();
    m.at(1, 1).scrivi(90);
    m.at(1, 2).scrivi(90);
    MarcaSommeCercate(s, false, m);
    MarcaDistanzeCercate(s, m);
    EXPECT_FALSE(m.at(1, 1).marcata());
    EXPECT_FALSE(m.at(0, 1).marcata());
    EXPECT_EQ(s.TotaleSomme, (std::array<qint32, 6>{}));
    EXPECT_EQ(s.TotaleDistanze, (std::array<qint32, 6>{}));
}

TEST(Trova, FoundNumbersAreListedInOrderWithTheirCounts)
{
    StatoTabellone s;
    s.NumeriCercati[90] = s.NumeriCercati[5] = true;
    s.PresenzeNumeri[5] = 12;
    const auto righe = NumeriTrovati(s);
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0], std::make_pair(QString("  5"), QString("  12")));
    EXPECT_EQ(righe[1], std::make_pair(QString(" 90"), QString("   0")));
}

} // namespace
