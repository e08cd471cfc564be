#include "CelleTest.h"
#include "consulta/Analisi.h"
#include "consulta/Ciclometria.h"

#include <gtest/gtest.h>
#include <set>

namespace {

std::set<int> celleMarcate(const ModelloCelle& m)
{
    std::set<int> c;
    for (int i = 1; i <= 55; ++i)
        if (m[i].marcata())
            c.insert(i);
    return c;
}

QStringList somma(ModelloCelle& m, int t, bool fuori90 = false, bool isotopi = false)
{
    return MarcaSommaDistanza(true, t, fuori90, isotopi, m);
}

QStringList distanza(ModelloCelle& m, int t, bool isotopi = false)
{
    return MarcaSommaDistanza(false, t, false, isotopi, m);
}

TEST(Ciclometria, SumNinetyMarksPairsAcrossAndWithinRows)
{
    // 30 + 60 within Bari, 1 + 89 within Cagliari, 45 on Firenze with 45 on the Nazionale.
    ModelloCelle m = tabellone({{30, 2, 3, 4, 60}, {1, 5, 6, 7, 89}, {45, 8, 9, 10, 11}});
    m.at(10, 3).scrivi(45);
    const QStringList righe = somma(m, 90);
    EXPECT_EQ(celleMarcate(m), (std::set<int>{1, 5, 6, 10, 11, 53}));
    EXPECT_EQ(righe, QStringList({"Somma 90", " ", "30 BA, 60 BA", " 1 CA, 89 CA", "45 FI, 45 NZ"}));
    // One colour pair per group, in turn.
    EXPECT_EQ(m[1].sfondo, ColoriAnalisi(0)[0]);
    EXPECT_EQ(m[5].colore, ColoriAnalisi(0)[1]);
    EXPECT_EQ(m[6].sfondo, ColoriAnalisi(1)[0]);
    EXPECT_EQ(m[53].sfondo, ColoriAnalisi(2)[0]);
}

TEST(Ciclometria, FuoriNovantaReducesSumsOnlyWhenTicked)
{
    // 30 + 70 = 100, 70 + 80 = 150, 1 + 90 = 91.
    const std::vector<std::array<int, 5>> righe{{30, 70, 80, 1, 90}};
    ModelloCelle m = tabellone(righe);
    somma(m, 10);
    EXPECT_TRUE(celleMarcate(m).empty());
    m = tabellone(righe);
    somma(m, 10, true);
    EXPECT_EQ(celleMarcate(m), (std::set<int>{1, 2}));

    m = tabellone(righe);
    somma(m, 1, true);
    EXPECT_EQ(celleMarcate(m), (std::set<int>{4, 5}));

    // Reduced sums lie in 1..90.
    m = tabellone(righe);
    EXPECT_EQ(somma(m, 150, true).size(), 2);
    EXPECT_TRUE(celleMarcate(m).empty());
    m = tabellone(righe);
    somma(m, 150);
    EXPECT_EQ(celleMarcate(m), (std::set<int>{2, 3}));
}

TEST(Ciclometria, DistancesAreNotReduced)
{
    const std::vector<std::array<int, 5>> righe{{30, 60, 1, 90, 5}};
    ModelloCelle m = tabellone(righe);
    EXPECT_EQ(distanza(m, 30).mid(2), QStringList({"30 BA, 60 BA", "60 BA, 90 BA"}));
    m = tabellone(righe);
    distanza(m, 89);
    EXPECT_EQ(celleMarcate(m), (std::set<int>{3, 4}));
    m = tabellone(righe);
    distanza(m, 1);
    EXPECT_TRUE(celleMarcate(m).empty());
}

TEST(Ciclometria, IsotopesPairOnlyTheSamePosition)
{
    // Cells 3 and 8 hold the third numbers of the first two rows; cell 9 the fourth.
    ModelloCelle m = tabellone({{1, 2, 40, 4, 6}, {7, 8, 50, 50, 13}});
    const QStringList righe = somma(m, 90, false, true);
    ASSERT_FALSE(righe.isEmpty());
    EXPECT_EQ(righe.first(), "Somma 90 di numeri isotopi");
    EXPECT_EQ(celleMarcate(m), (std::set<int>{3, 8}));
    m = tabellone({{1, 2, 40, 4, 6}, {7, 8, 50, 50, 13}});
    distanza(m, 10);
    EXPECT_EQ(celleMarcate(m), (std::set<int>{3, 8, 9}));
}

TEST(Ciclometria, APartnerAlreadyMarkedLendsItsColours)
{
    // 20 on Bari and on Cagliari, 70 on Firenze: Bari's pair takes the first
    // colours, Cagliari's 20 borrows them from the 70 and opens no group.
    ModelloCelle m = tabellone({{20, 1, 2, 3, 4}, {20, 5, 6, 7, 8}, {70, 9, 10, 11, 12}, {30, 60, 13, 14, 15}});
    const QStringList righe = somma(m, 90);
    EXPECT_EQ(righe.mid(2), QStringList({"20 BA, 70 FI", "20 CA, 70 FI", "30 GE, 60 GE"}));
    for (int i : {1, 6, 11})
        EXPECT_EQ(m[i].sfondo, ColoriAnalisi(0)[0]) << i;
    EXPECT_EQ(m[16].sfondo, ColoriAnalisi(1)[0]);
    EXPECT_EQ(m[17].colore, ColoriAnalisi(1)[1]);
}

TEST(Ciclometria, CellsWithoutANumberNeverPair)
{
    ModelloCelle m = tabellone({{90, 0, 0, 0, 0}});
    somma(m, 90);
    distanza(m, 90);
    EXPECT_TRUE(celleMarcate(m).empty());
}

TEST(Ciclometria, EqualIsotopicSumsAndDistances)
{
    // Positions 1-2: 10+20 on Bari and 5+25 on Cagliari (sum 30); 3-4 of
    // Bari and Firenze: 80+40 and 60+60 (sums 120 - 90 = 30 and 30).
    ModelloCelle m = tabellone({{10, 20, 80, 40, 1}, {5, 25, 2, 3, 4}, {6, 7, 60, 60, 8}});
    MarcaUgualiIsotope(true, m);
    EXPECT_EQ(m[1].sfondo, ColoriAnalisi(0)[0]);
    EXPECT_EQ(m[7].sfondo, ColoriAnalisi(0)[0]);
    EXPECT_EQ(m[3].sfondo, ColoriAnalisi(1)[0]);
    EXPECT_EQ(m[14].sfondo, ColoriAnalisi(1)[0]);
    EXPECT_EQ(celleMarcate(m), (std::set<int>{1, 2, 6, 7, 3, 4, 13, 14}));

    // Distances: 10-20 and 5-15 in positions 1-2 (10 and 10); a cell takes
    // part in one group only.
    m = tabellone({{10, 20, 1, 2, 3}, {5, 15, 30, 50, 70}, {7, 17, 88, 89, 90}});
    MarcaUgualiIsotope(false, m);
    EXPECT_EQ(m[1].sfondo, ColoriAnalisi(0)[0]);
    EXPECT_EQ(m[7].sfondo, ColoriAnalisi(0)[0]);
    EXPECT_FALSE(m[11].marcata());   // 7-17 matches too, but Bari's cells are taken
    EXPECT_EQ(m[13].sfondo, ColoriAnalisi(1)[0]);   // 88-89 with 1-2 (1 and 1)
}

TEST(Ciclometria, RowsWithoutNumbersAreNeverEqual)
{
    // One-wheel layout before the Nazionale existed: every row empty, and row 10 always.
    ModelloCelle m = tabellone(std::vector<std::array<int, 5>>(11, {0, 0, 0, 0, 0}));
    MarcaUgualiIsotope(true, m);
    MarcaUgualiIsotope(false, m);
    EXPECT_TRUE(celleMarcate(m).empty());

    // All wheels before 2005: the empty Nazionale row never matches a wheel.
    std::vector<std::array<int, 5>> righe;
    for (int r = 0; r < 10; ++r)
        righe.push_back({r * 5 + 1, r * 5 + 2, r * 5 + 3, r * 5 + 4, r * 5 + 5});
    m = tabellone(righe);
    MarcaUgualiIsotope(false, m);
    for (int p = 1; p <= 5; ++p)
        EXPECT_FALSE(m.at(10, p).marcata());
}

TEST(Ciclometria, AnalysisCodesRunThroughTheDispatch)
{
    ModelloCelle m = tabellone({{30, 60, 1, 2, 3}});
    ContestoAnalisi c;
    c.codice = AnalisiSomma;
    c.obiettivo = 90;
    const EsitoAnalisi e = EseguiAnalisi(c, m);
    EXPECT_TRUE(e.titolo);
    EXPECT_TRUE(e.riepilogo);
    EXPECT_EQ(e.righe.size(), 3);
    c.codice = AnalisiDistanzeUguali;
    EXPECT_TRUE(EseguiAnalisi(c, m).righe.isEmpty());
}

} // namespace
