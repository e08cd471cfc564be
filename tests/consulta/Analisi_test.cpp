#include "ArchivioTest.h"
#include "CelleTest.h"
#include "consulta/Analisi.h"
#include "core/ArchivioMemoria.h"

#include <gtest/gtest.h>
#include <set>

namespace {

std::set<int> marcati(const ModelloCelle& m)
{
    std::set<int> v;
    for (int i = 1; i <= 55; ++i)
        if (m[i].marcata())
            v.insert(m[i].valore);
    return v;
}

EsitoAnalisi esegui(int codice, ModelloCelle& m, int famiglia = 0, bool tutte = true, bool isotopi = false)
{
    ContestoAnalisi c;
    c.codice = codice;
    c.famiglia = famiglia;
    c.tutteLeRuote = tutte;
    c.isotopi = isotopi;
    return EseguiAnalisi(c, m);
}

TEST(Analisi, FamilyClassesMarkTheirNumbers)
{
    const std::vector<std::array<int, 5>> righe = {
        {1, 5, 9, 10, 11}, {15, 16, 18, 19, 20}, {27, 28, 30, 31, 45},
        {46, 60, 61, 75, 76}, {81, 82, 85, 89, 90}, {0, 0, 0, 0, 0}};
    const struct {
        int codice, famiglia;
        std::set<int> attesi;
    } casi[] = {
        {AnalisiDecina, 0, {1, 5, 9, 10}},
        {AnalisiDecina, 8, {81, 82, 85, 89, 90}},
        {AnalisiCadenza, 0, {10, 20, 30, 60, 90}},
        {AnalisiCadenza, 5, {5, 15, 45, 75, 85}},
        {AnalisiFigura, 9, {9, 18, 27, 45, 81, 90}},
        {AnalisiFigura, 1, {1, 10, 19, 28, 46, 82}},
        {AnalisiFigura, 0, {}},
        {AnalisiQuindicina, 6, {76, 81, 82, 85, 89, 90}},
        {AnalisiQuindicina, 1, {1, 5, 9, 10, 11, 15}},
        {AnalisiQuindicina, 0, {}},
    };
    for (const auto& c : casi) {
        ModelloCelle m = tabellone(righe);
        const EsitoAnalisi e = esegui(c.codice, m, c.famiglia);
        EXPECT_EQ(marcati(m), c.attesi) << c.codice << " family " << c.famiglia;
        EXPECT_FALSE(e.riepilogo);
        EXPECT_EQ(m[1].sfondo == kSfondoAnalisi, c.attesi.count(1) == 1);
    }
}

TEST(Analisi, TwinsAndSymmetricTriples)
{
    ModelloCelle m = tabellone({{2, 5, 11, 17, 20}, {22, 88, 90, 33, 1}});
    esegui(AnalisiGemelli, m);
    EXPECT_EQ(marcati(m), (std::set<int>{11, 22, 33, 88}));

    m = tabellone({{5, 35, 1, 2, 3}, {5, 35, 65, 1, 2}, {5, 36, 1, 2, 3}, {5, 1, 2, 3, 4}});
    esegui(AnalisiTerzine, m);
    EXPECT_TRUE(m.at(0, 1).marcata() && m.at(0, 2).marcata());
    EXPECT_FALSE(m.at(0, 3).marcata());
    EXPECT_TRUE(m.at(1, 1).marcata() && m.at(1, 2).marcata() && m.at(1, 3).marcata());
    EXPECT_FALSE(m.at(2, 1).marcata() || m.at(2, 2).marcata());
    // Across rows nothing pairs.
    EXPECT_FALSE(m.at(3, 1).marcata());
}

TEST(Analisi, SignsReplaceTextsOnlyAndAreCounted)
{
    ModelloCelle m = tabellone({{30, 31, 60, 61, 90}});
    const EsitoAnalisi e = esegui(Analisi1X2, m);
    EXPECT_EQ(m.at(0, 1).testo, "1");
    EXPECT_EQ(m.at(0, 2).testo, "X");
    EXPECT_EQ(m.at(0, 3).testo, "X");
    EXPECT_EQ(m.at(0, 4).testo, "2");
    EXPECT_EQ(m.at(0, 5).testo, "2");
    // The values stay numbers for the later steps of the redraw.
    EXPECT_EQ(m.at(0, 5).valore, 90);
    EXPECT_FALSE(m.at(0, 1).marcata());
    EXPECT_TRUE(e.riepilogo);
    EXPECT_EQ(e.righe, (QStringList{"Totale segni 1 : 1", "Totale segni X : 2", "Totale segni 2 : 2"}));

    // The one-wheel layout leaves board and summary alone.
    m = tabellone({{30, 31, 60, 61, 90}});
    const EsitoAnalisi f = esegui(Analisi1X2, m, 0, false);
    EXPECT_FALSE(f.riepilogo || f.titolo);
    EXPECT_EQ(m.at(0, 1).testo, "30");
}

TEST(Analisi, EvenAndOddLeaveTheNazionaleOut)
{
    std::vector<std::array<int, 5>> righe(11, {2, 4, 6, 8, 1});
    righe[5] = {10, 12, 14, 16, 18};
    ModelloCelle m = tabellone(righe);
    const EsitoAnalisi e = esegui(AnalisiPariDispari, m);
    EXPECT_EQ(e.righe, (QStringList{"Sono usciti  41 numeri pari (in rosso)",
                                    "Sono usciti  9 numeri dispari (in blu)"}));
    EXPECT_EQ(m.at(0, 1).sfondo, kSfondoAnalisi);
    EXPECT_EQ(m.at(0, 5).sfondo, kSfondoMinimo);
    EXPECT_FALSE(m.at(10, 1).marcata());
    // An empty board writes no line.
    ModelloCelle vuoto = tabellone({});
    EXPECT_TRUE(esegui(AnalisiPariDispari, vuoto).righe.isEmpty());
}

TEST(Analisi, PairRelationsWithinARow)
{
    const struct {
        int codice;
        std::array<int, 5> riga;
        std::set<int> attesi;
    } casi[] = {
        {AnalisiComplementari, {30, 60, 45, 15, 89}, {30, 60}},
        {AnalisiSimmetrici, {30, 60, 45, 15, 89}, {15, 60}},
        {AnalisiVertibili, {12, 21, 34, 10, 1}, {12, 21}},
        {AnalisiVertibili, {12, 21, 34, 43, 0}, {}},
        {AnalisiRadicali, {2, 22, 29, 50, 7}, {2, 22, 29}},
        {AnalisiRadicali, {9, 90, 19, 5, 44}, {}},
    };
    for (const auto& c : casi) {
        ModelloCelle m = tabellone({c.riga});
        const EsitoAnalisi e = esegui(c.codice, m);
        EXPECT_EQ(marcati(m), c.attesi) << c.codice;
        EXPECT_FALSE(e.riepilogo || e.titolo);
    }
    // A pair split over two rows is none.
    ModelloCelle m = tabellone({{30, 1, 2, 3, 4}, {60, 5, 6, 7, 8}});
    esegui(AnalisiComplementari, m);
    EXPECT_TRUE(marcati(m).empty());
}

TEST(Analisi, RepeatedNumbersAreListedMostFrequentFirstAndColouredByGroup)
{
    std::vector<std::array<int, 5>> righe(11, {0, 0, 0, 0, 0});
    righe[0] = {7, 12, 40, 1, 2};      // BA
    righe[4] = {7, 5, 3, 4, 6};        // MI
    righe[7] = {8, 9, 40, 10, 11};     // RO
    righe[5] = {40, 13, 14, 15, 16};   // NA
    righe[10] = {7, 17, 18, 19, 20};   // NZ
    righe[1] = {12, 5, 21, 22, 23};    // CA
    ModelloCelle m = tabellone(righe);
    EsitoAnalisi e = esegui(AnalisiNumeriRipetuti, m);
    EXPECT_EQ(e.righe, (QStringList{"---> 4 numeri ripetuti <---", " ", "40 : BA,NA,RO", "7 : BA,MI,NZ",
                                    "12 : BA,CA", "5 : CA,MI"}));
    EXPECT_EQ(m.at(0, 1).sfondo, ColoriAnalisi(0)[0]);
    EXPECT_EQ(m.at(10, 1).sfondo, ColoriAnalisi(0)[0]);
    EXPECT_EQ(m.at(0, 2).sfondo, ColoriAnalisi(1)[0]);
    EXPECT_EQ(m.at(0, 3).sfondo, ColoriAnalisi(2)[0]);

    // Only the same position: 40 third on Bari and Roma, first on Napoli.
    m = tabellone(righe);
    e = esegui(AnalisiNumeriRipetuti, m, 0, true, true);
    ASSERT_FALSE(e.righe.isEmpty());
    EXPECT_EQ(e.righe.first(), "---> 3 numeri isotopi ripetuti <---");
    EXPECT_TRUE(e.righe.contains("40 : BA,RO"));
    EXPECT_FALSE(m.at(5, 1).marcata());

    // All different: an empty summary. The one-wheel layout lists numbers alone.
    m = tabellone({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}});
    EXPECT_TRUE(esegui(AnalisiNumeriRipetuti, m).righe.isEmpty());
    m = tabellone({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 1}});
    EXPECT_EQ(esegui(AnalisiNumeriRipetuti, m, 0, false).righe,
              (QStringList{"---> 1 numeri ripetuti <---", " ", "1"}));
}

TEST(Analisi, ColourPairsWrapAfterTheLast)
{
    // Fourteen numbers repeated on two rows each.
    std::vector<std::array<int, 5>> righe(11, {0, 0, 0, 0, 0});
    int n = 1;
    for (int r = 0; r <= 2; ++r)
        for (int p = 0; p < 5; ++p)
            righe[size_t(r)][size_t(p)] = n++;
    n = 1;
    for (int r = 5; r <= 7; ++r)
        for (int p = 0; p < 5; ++p)
            righe[size_t(r)][size_t(p)] = n++;
    ModelloCelle m = tabellone(righe);
    esegui(AnalisiNumeriRipetuti, m);
    EXPECT_EQ(m.at(0, 1).sfondo, ColoriAnalisi(0)[0]);
    EXPECT_EQ(m.at(2, 3).sfondo, ColoriAnalisi(12)[0]);   // the 13th group
    EXPECT_EQ(m.at(2, 4).sfondo, ColoriAnalisi(0)[0]);    // the 14th starts again
    EXPECT_EQ(m.at(2, 4).colore, ColoriAnalisi(0)[1]);
}

TEST(Analisi, RepeatedPairs)
{
    std::vector<std::array<int, 5>> righe(11, {0, 0, 0, 0, 0});
    righe[0] = {12, 5, 30, 31, 32};
    righe[1] = {40, 5, 12, 41, 42};
    ModelloCelle m = tabellone(righe);
    EsitoAnalisi e = esegui(AnalisiAmbiRipetuti, m);
    EXPECT_EQ(e.righe, (QStringList{"---> 1 ambo/i ripetuti <---", " ", "12- 5 : BA,CA"}));
    EXPECT_EQ(m.at(0, 1).sfondo, ColoriAnalisi(0)[0]);
    EXPECT_EQ(m.at(1, 3).sfondo, ColoriAnalisi(0)[0]);
    EXPECT_FALSE(m.at(0, 3).marcata());
    EXPECT_FALSE(m.at(1, 1).marcata());

    m = tabellone(righe);
    e = esegui(AnalisiAmbiRipetuti, m, 0, true, true);
    EXPECT_EQ(e.righe, (QStringList{"---> nessun ambo isotopo ripetuto <---"}));
    m = tabellone({{1, 2, 3, 4, 5}});
    EXPECT_EQ(esegui(AnalisiAmbiRipetuti, m).righe, (QStringList{"---> nessun ambo ripetuto <---"}));
}

struct DueEstrazioni {
    std::shared_ptr<const ArchivioMemoria> v;
    DueEstrazioni()
    {
        v = vistaDi(componi({
            {QDate(2004, 1, 3), {{1, {1, 2, 3, 4, 5}}, {2, {6, 7, 8, 9, 10}}}},
            {QDate(2004, 1, 5), {{1, {1, 11, 12, 13, 14}}, {3, {7, 81, 15, 16, 17}}}},
        }));
    }
    EsitoAnalisi esegui(int codice, qint32 estrazione, ModelloCelle& m)
    {
        ContestoAnalisi c;
        c.codice = codice;
        c.estrazione = estrazione;
        c.vista = v.get();
        return EseguiAnalisi(c, m);
    }
};

TEST(Analisi, DrawnAndUndrawnNumbers)
{
    DueEstrazioni d;
    ModelloCelle m = tabellone({{1, 11, 12, 13, 14}, {0, 0, 0, 0, 0}, {7, 81, 15, 16, 17}});
    EsitoAnalisi e = d.esegui(AnalisiUsciti, 2, m);
    EXPECT_TRUE(e.titolo && e.riepilogo);
    EXPECT_EQ(e.righe, (QStringList{"---> Sono usciti  10 numeri <---", " ", "1,7,", "11,12,13,14,15,16,17,",
                                    "", "", "", "", "", "", "81,"}));
    EXPECT_TRUE(marcati(m).empty());
    e = d.esegui(AnalisiNonUsciti, 2, m);
    ASSERT_FALSE(e.righe.isEmpty());
    EXPECT_EQ(e.righe.first(), "---> Non sono usciti  80 numeri <---");
    EXPECT_EQ(e.righe.size(), 11);

    e = d.esegui(AnalisiUscitiScorsa, 2, m);
    EXPECT_EQ(e.righe, (QStringList{"Usciti la scorsa estrazione : 2 numeri", " ", "1,7,", ""}));
    EXPECT_EQ(marcati(m), (std::set<int>{1, 7}));
    m = tabellone({{1, 11, 12, 13, 14}, {0, 0, 0, 0, 0}, {7, 81, 15, 16, 17}});
    e = d.esegui(AnalisiNonUscitiScorsa, 2, m);
    EXPECT_EQ(e.righe, (QStringList{"Non usciti la scorsa estrazione : 8 numeri", " ",
                                    "11,12,13,14,15,16,17,", "81,"}));
    EXPECT_FALSE(m.at(1, 1).marcata());   // an empty cell never

    // The first draw has none before it: an empty draw.
    m = tabellone({{1, 2, 3, 4, 5}});
    e = d.esegui(AnalisiUscitiScorsa, 1, m);
    EXPECT_EQ(e.righe, (QStringList{""}));
    EXPECT_TRUE(marcati(m).empty());
    e = d.esegui(AnalisiNonUscitiScorsa, 1, m);
    ASSERT_FALSE(e.righe.isEmpty());
    EXPECT_EQ(e.righe.first(), "Non usciti la scorsa estrazione : 5 numeri");
}

TEST(Analisi, LastDelayThresholdOnlyWhereRowsAreWheels)
{
    DueEstrazioni d;
    ModelloCelle m = tabellone({{1, 11, 12, 13, 14}});
    ContestoAnalisi c;
    c.codice = AnalisiRitardo;
    c.estrazione = 2;
    c.sogliaRitardo = 1;
    c.vista = d.v.get();
    EseguiAnalisi(c, m);
    EXPECT_EQ(marcati(m), (std::set<int>{11, 12, 13, 14}));
    m = tabellone({{1, 11, 12, 13, 14}});
    c.tutteLeRuote = false;
    EseguiAnalisi(c, m);
    EXPECT_TRUE(marcati(m).empty());
}

} // namespace
