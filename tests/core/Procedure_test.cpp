#include "core/Procedure.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

TEST(Procedure, NumberClassifications)
{
    struct Caso {
        int n, cadenza, indiceDecina, numeroDecina, diagonale;
    } casi[] = {
        {0, 0, -1, 0, 2},   {7, 7, 0, 1, 7},    {10, 0, 0, 1, 10}, {11, 1, 1, 2, 3},
        {22, 2, 2, 3, 4},   {87, 7, 8, 9, 10},  {88, 8, 8, 9, 10}, {89, 9, 8, 9, 1},
        {90, 0, 8, 9, 2},   {81, 1, 8, 9, 4},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(Cadenza(c.n), c.cadenza) << c.n;
        EXPECT_EQ(IndiceDecina(c.n), c.indiceDecina) << c.n;
        EXPECT_EQ(NumeroDecina(c.n), c.numeroDecina) << c.n;
        EXPECT_EQ(SerieDiagonale(c.n), c.diagonale) << c.n;
    }
    for (int n = 1; n <= 90; ++n) {
        if (n % 11 != 0) {
            EXPECT_EQ(SerieDiagonale(n), (n - 1) % 11 + 1) << n;
        }
        EXPECT_GE(SerieDiagonale(n), 1);
        EXPECT_LE(SerieDiagonale(n), 10);
    }
}

TEST(Procedure, SoloNumeriLetsControlKeysAndDigitsThrough)
{
    EXPECT_EQ(SoloNumeri(8), 8);
    EXPECT_EQ(SoloNumeri('0'), '0');
    EXPECT_EQ(SoloNumeri('9'), '9');
    EXPECT_EQ(SoloNumeri('a'), 0);
    EXPECT_EQ(SoloNumeri('-'), 0);
}

TEST(Procedure, FileEsisteSkipsHiddenFilesAndTakesWildcards)
{
    QTemporaryDir d;
    for (const char* n : {"dati.txt", ".nascosto"}) {
        QFile f(d.filePath(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_TRUE(FileEsiste(d.filePath("dati.txt")));
    EXPECT_TRUE(FileEsiste(d.filePath("d?ti.*")));
    // Letter case never tells two names apart, exact or wildcard alike.
    EXPECT_TRUE(FileEsiste(d.filePath("DATI.TXT")));
    EXPECT_TRUE(FileEsiste(d.filePath("D?TI.*")));
    EXPECT_FALSE(FileEsiste(d.filePath("DATI.TX")));
    EXPECT_FALSE(FileEsiste(d.filePath(".nascosto")));
    EXPECT_FALSE(FileEsiste(d.filePath(".NASCOSTO")));
    EXPECT_FALSE(FileEsiste(d.filePath("*.bin")));
    EXPECT_FALSE(FileEsiste(d.filePath("manca/dati.txt")));
    EXPECT_FALSE(FileEsiste(u""));
    EXPECT_FALSE(FileEsiste(d.path()));   // a folder is no file
}

TEST(Procedure, IndirizzoFileJoinsWithOneSlash)
{
    EXPECT_EQ(IndirizzoFile(u"http://localhost/", u"Downloads/Messaggio.txt"),
              "http://localhost/Downloads/Messaggio.txt");
    EXPECT_EQ(IndirizzoFile(u"http://localhost", u"Aggiornamento.bin"),
              "http://localhost/Aggiornamento.bin");
    EXPECT_EQ(IndirizzoFile(u"", u"a.bin"), "/a.bin");
}

TEST(Procedure, QuickSortSortsAndLeavesEmptyRangesAlone)
{
    std::mt19937 gen(7);
    for (int prova = 0; prova < 50; ++prova) {
        std::vector<short> a(1 + gen() % 300);
        for (auto& x : a)
            x = short(gen() % 20 - 5);
        auto atteso = a;
        std::sort(atteso.begin() + 1, atteso.end());
        QuickSort(a, 1, int(a.size()) - 1);   // index 0 untouched, as with a base-1 array
        EXPECT_EQ(a, atteso);
    }
    std::vector<short> uno{5, 3};
    QuickSort(uno, 1, 1);
    QuickSort(uno, 1, 0);
    EXPECT_EQ(uno, (std::vector<short>{5, 3}));
}

TEST(Procedure, QuickSortOnManyEqualValuesStaysShallow)
{
    // Half a million equal values: a plain partition would recurse once per
    // element and overflow the stack.
    std::vector<int> a(500000, 4);
    a[1000] = 1;
    QuickSort(a, 0, int(a.size()) - 1);
    EXPECT_EQ(a.front(), 1);
    EXPECT_TRUE(std::is_sorted(a.begin(), a.end()));
}

} // namespace
