#include "consulta/SommeDistanze.h"

#include <gtest/gtest.h>

namespace {

const std::array<QString, 12> kNomi = {
    "Tutte     ", "Bari      ", "Cagliari  ", "Firenze   ", "Genova    ", "Milano    ",
    "Napoli    ", "Palermo   ", "Roma      ", "Torino    ", "Venezia   ", "Nazionale "};
const std::array<QString, 12> kSigle = {"Tu", "BA", "CA", "FI", "GE", "MI",
                                        "NA", "PA", "RO", "TO", "VE", "NZ"};

// Board cells as texts, row by row (0..10); a row not given stays empty.
ModelloCelle celle(std::initializer_list<std::array<const char*, 5>> righe)
{
    ModelloCelle m;
    int r = 0;
    for (const auto& riga : righe) {
        for (int p = 1; p <= 5; ++p)
            m.at(r, p).testo = QString::fromLatin1(riga[size_t(p - 1)]);
        ++r;
    }
    return m;
}

OrigineSommeDistanze tutteLeRuote(const QString& data = "12/03/2024")
{
    OrigineSommeDistanze o;
    o.nomiRuote = kNomi;
    o.data = data;
    return o;
}

OrigineSommeDistanze ruotaSingola(int ruota)
{
    OrigineSommeDistanze o;
    o.ruotaSingola = ruota;
    o.nomiRuote = kNomi;
    for (int r = 0; r <= 9; ++r)
        o.dateRighe[size_t(r)] = QStringLiteral("%1/02/2024").arg(r + 10);
    return o;
}

const CellaSommeDistanze& somma(const TabellaSommeDistanze& t, int riga, int coppia)
{
    return t.somme[size_t((riga - 1) * 10 + coppia)];
}
const CellaSommeDistanze& distanza(const TabellaSommeDistanze& t, int riga, int coppia)
{
    return t.distanze[size_t((riga - 1) * 10 + coppia)];
}

} // namespace

TEST(SommeDistanze, SumsOutOf90AndCyclometricDistances)
{
    // Pairs in the order 1-2, 1-3, 1-4, 1-5, 2-3, .. 4-5.
    const auto t = RiempiSommeDistanze(celle({{"30", "60", "1", "90", "5"},
                                              {"10", "55", "56", "61", "37"}}),
                                       tutteLeRuote(), true);
    EXPECT_EQ(somma(t, 1, 1).testo, "90");      // 30 + 60 stays 90
    EXPECT_EQ(distanza(t, 1, 1).testo, "30");
    EXPECT_EQ(somma(t, 1, 8).testo, "1");       // 1 + 90
    EXPECT_EQ(distanza(t, 1, 8).testo, "1");    // 89 becomes 90 - 89
    EXPECT_EQ(somma(t, 1, 10).testo, "5");      // 90 + 5 = 95 - 90
    EXPECT_EQ(distanza(t, 2, 1).testo, "45");   // 10, 55
    EXPECT_EQ(distanza(t, 2, 2).testo, "44");   // 10, 56
    EXPECT_EQ(somma(t, 2, 8).testo, "27");      // 56 + 61 = 117 - 90
    EXPECT_EQ(distanza(t, 2, 8).testo, "5");
    // 5 and 37: the same tooltip on both cells of the pair.
    const QString atteso = QStringLiteral(" 5 - 37");
    EXPECT_EQ(somma(t, 1, 10).suggerimento, " 90 - 5");
    const auto u = RiempiSommeDistanze(celle({{"5", "37", "1", "2", "3"}}), tutteLeRuote(), true);
    EXPECT_EQ(somma(u, 1, 1).suggerimento, atteso);
    EXPECT_EQ(distanza(u, 1, 1).suggerimento, atteso);
    EXPECT_EQ(somma(u, 1, 1).testo, "42");
    EXPECT_EQ(distanza(u, 1, 1).testo, "32");
}

TEST(SommeDistanze, MissingNumbersGiveDashesNeverMarked)
{
    // Board cells show " 7" (a blank before the number) or "0" for a missing one.
    const auto t = RiempiSommeDistanze(celle({{" 7", " 8", " 9", "10", "11"},
                                              {" 7", " 8", " 9", "10", "11"},
                                              {"0", "0", "0", "0", "0"}}),
                                       tutteLeRuote(), true);
    for (int j = 1; j <= 10; ++j) {
        for (const auto* c : {&somma(t, 3, j), &distanza(t, 3, j), &somma(t, 11, j), &distanza(t, 11, j)}) {
            EXPECT_EQ(c->testo, "-");
            EXPECT_EQ(c->suggerimento, "");
            EXPECT_FALSE(c->uguale);
        }
    }
    EXPECT_EQ(somma(t, 1, 1).testo, "15");
    EXPECT_EQ(somma(t, 1, 1).suggerimento, " 7 - 8");
    EXPECT_TRUE(somma(t, 1, 1).uguale);   // the same pair on row 2
}

TEST(SommeDistanze, DelayAndFrequencyValuesTakenAsShown)
{
    const auto t = RiempiSommeDistanze(celle({{"100", "120", "5", "95", "0"}}), tutteLeRuote(), true);
    EXPECT_EQ(somma(t, 1, 1).testo, "130");     // loses 90 once
    EXPECT_EQ(distanza(t, 1, 1).testo, "20");
    EXPECT_EQ(distanza(t, 1, 5).testo, "-");    // 120 - 5 = 115 gives 90 - 115
    EXPECT_EQ(distanza(t, 1, 6).testo, "25");   // 120 - 95
    EXPECT_EQ(distanza(t, 1, 2).testo, "-");    // 100 - 5 = 95 gives -5
    EXPECT_EQ(distanza(t, 1, 3).testo, "5");    // 100 - 95
    EXPECT_EQ(somma(t, 1, 4).testo, "10");      // 100 + 0
    EXPECT_EQ(distanza(t, 1, 4).testo, "-");    // 100 - 0 gives -10
}

TEST(SommeDistanze, EqualValuesMarkedWithinColumns)
{
    // Column 1 (1-2): sum 31 on rows 1, 3 and 5; row 2 has 31 in column 2 only.
    const auto t = RiempiSommeDistanze(celle({{"10", "21", "80", "2", "3"},
                                              {"10", "41", "21", "4", "6"},
                                              {"30", "1", "85", "8", "9"},
                                              {"12", "23", "40", "44", "46"},
                                              {"60", "61", "70", "71", "72"}}),
                                       tutteLeRuote(), true);
    EXPECT_TRUE(somma(t, 1, 1).uguale);
    EXPECT_TRUE(somma(t, 3, 1).uguale);
    EXPECT_TRUE(somma(t, 5, 1).uguale);
    EXPECT_EQ(somma(t, 2, 2).testo, "31");
    EXPECT_FALSE(somma(t, 2, 2).uguale);   // 31 in another column
    EXPECT_FALSE(somma(t, 4, 1).uguale);
    // Distances meet only distances: row 2's distance 31 equals three sums
    // of its column and stays plain.
    EXPECT_EQ(distanza(t, 2, 1).testo, "31");
    EXPECT_FALSE(distanza(t, 2, 1).uguale);
    EXPECT_EQ(distanza(t, 1, 1).testo, "11");
    EXPECT_TRUE(distanza(t, 1, 1).uguale);
    EXPECT_TRUE(distanza(t, 4, 1).uguale);
    EXPECT_EQ(distanza(t, 5, 1).testo, "1");
    EXPECT_FALSE(distanza(t, 5, 1).uguale);
}

TEST(SommeDistanze, EqualValuesMarkedWithinRows)
{
    // Row 1: sum 31 in column 1 (10 + 21) and column 10 (15 + 16); distance
    // 11 in column 1 and sum 11 in column 9, never compared.
    const auto t = RiempiSommeDistanze(celle({{"10", "21", "85", "15", "16"},
                                              {"10", "21", "1", "2", "3"}}),
                                       tutteLeRuote(), false);
    EXPECT_EQ(somma(t, 1, 10).testo, "31");
    EXPECT_TRUE(somma(t, 1, 1).uguale);
    EXPECT_TRUE(somma(t, 1, 10).uguale);
    // Row 2's 31 in column 1 is equal to row 1's only by column.
    EXPECT_FALSE(somma(t, 2, 1).uguale);
    // Distances of row 1: 11, 15 (10, 85), 5, 6, 26 (21, 85), 6, 5, 20 (85, 15), 21, 1.
    EXPECT_TRUE(distanza(t, 1, 3).uguale);    // 5
    EXPECT_TRUE(distanza(t, 1, 7).uguale);    // 5
    EXPECT_TRUE(distanza(t, 1, 4).uguale);    // 6
    EXPECT_TRUE(distanza(t, 1, 6).uguale);    // 6
    EXPECT_FALSE(distanza(t, 1, 1).uguale);   // 11
    EXPECT_FALSE(distanza(t, 1, 9).uguale);   // 21: only a sum elsewhere
}

TEST(SommeDistanze, RowNamesAndHeaderFollowTheLayout)
{
    const auto tutte = RiempiSommeDistanze(celle({}), tutteLeRuote(), true);
    EXPECT_EQ(tutte.intestazione, "12/03/2024");
    EXPECT_EQ(tutte.righe[1], "Bari");
    EXPECT_EQ(tutte.righe[11], "Nazionale");

    const auto singola = RiempiSommeDistanze(celle({{"1", "2", "3", "4", "5"}}), ruotaSingola(1), true);
    EXPECT_EQ(singola.intestazione, "Bari      ");
    EXPECT_EQ(singola.righe[1], "10/02/2024");
    EXPECT_EQ(singola.righe[10], "19/02/2024");
    EXPECT_EQ(singola.righe[11], "");
    EXPECT_EQ(somma(singola, 11, 1).testo, "-");
}

TEST(SommeDistanze, ChartOfAPairColumn)
{
    const auto t = RiempiSommeDistanze(celle({{"30", "60", "1", "2", "3"}}), tutteLeRuote(), true);
    const DatiGrafico g = GraficoCoppia(t, 0, kSigle);
    EXPECT_EQ(g.titolo, "12/03/2024 - Ambo 1 - 2");
    ASSERT_EQ(g.etichette.size(), 11);
    ASSERT_FALSE(g.somme.isEmpty() || g.distanze.isEmpty());
    EXPECT_EQ(g.etichette.front(), "BA");
    EXPECT_EQ(g.etichette.back(), "NZ");
    EXPECT_EQ(g.somme.front(), "90");
    EXPECT_EQ(g.distanze.front(), "30");
    EXPECT_EQ(g.somme.back(), "-");

    const auto s = RiempiSommeDistanze(celle({{"30", "60", "1", "2", "3"}}), ruotaSingola(1), true);
    const DatiGrafico h = GraficoCoppia(s, 9, kSigle);
    EXPECT_EQ(h.titolo, "Bari - Ambo 4 - 5");
    ASSERT_EQ(h.etichette.size(), 10);
    ASSERT_FALSE(h.somme.isEmpty() || h.distanze.isEmpty());
    EXPECT_EQ(h.etichette.front(), "10/02/24");
    EXPECT_EQ(h.somme.front(), "5");
    EXPECT_EQ(h.distanze.front(), "1");
}

TEST(SommeDistanze, ChartOfARow)
{
    const auto t = RiempiSommeDistanze(celle({{"30", "60", "1", "2", "3"}}), tutteLeRuote(), true);
    const auto g = GraficoRiga(t, 1);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->titolo, "Bari - 12/03/2024");
    ASSERT_EQ(g->etichette.size(), 10);
    ASSERT_FALSE(g->somme.isEmpty() || g->distanze.isEmpty());
    EXPECT_EQ(g->etichette.front(), "1 - 2");
    EXPECT_EQ(g->etichette.back(), "4 - 5");
    EXPECT_EQ(g->somme.front(), "90");
    EXPECT_EQ(g->distanze.back(), "1");

    const auto s = RiempiSommeDistanze(celle({}), ruotaSingola(1), true);
    const auto h = GraficoRiga(s, 3);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->titolo, "Bari - 12/02/2024");   // wheel first in both layouts
    EXPECT_FALSE(GraficoRiga(s, 11));             // the empty row 11
}

TEST(SommeDistanze, TextTableLinesAndColumns)
{
    auto t = RiempiSommeDistanze(celle({{"30", "60", "61", "1", "90"}}), tutteLeRuote(), true);
    EXPECT_EQ(RigaTestoSommeDistanze(t, 1),
              "     Bari      |90 30| 1 31|31 29|30 30|31  1|61 31|60 30|62 30|61 29| 1  1|  ");
    EXPECT_EQ(RigaTestoSommeDistanze(t, 11),
              "     Nazionale | -  -| -  -| -  -| -  -| -  -| -  -| -  -| -  -| -  -| -  -|  ");
    // Cells never filled give blanks; a name is cut by the bar at column 16.
    t.somme[1].testo.clear();
    t.distanze[1].testo.clear();
    t.righe[1] = QStringLiteral("12/03/2024xx");
    EXPECT_EQ(RigaTestoSommeDistanze(t, 1).left(22), "     12/03/2024|     |");
    EXPECT_EQ(ColonnaTitolo("Quorvane - Somme e distanze"), 26);   // 26.5 to the even
    EXPECT_EQ(ColonnaTitolo("12/03/2024"), 35);
    EXPECT_EQ(ColonnaTitolo("abcdefghijklmnopqrstuvwxy"), 28);     // 27.5 to the even
    EXPECT_EQ(NomeFileSommeDistanze("12/03/2024"), "SommeDistanze_12_03_2024");
    EXPECT_EQ(NomeFileSommeDistanze("Bari      "), "SommeDistanze_Bari      ");
}
