#include "ArchivioTest.h"
#include "consulta/IndiceUscite.h"
#include "consulta/Tabellone.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<const ArchivioMemoria> vista(const std::vector<RecEstrazione>& e)
{
    return vistaDi(e);
}

std::array<QString, 5> testiRiga(const ModelloCelle& m, int riga)
{
    std::array<QString, 5> t;
    for (int p = 1; p <= 5; ++p)
        t[p - 1] = m.at(riga, p).testo;
    return t;
}

using Testi = std::array<QString, 5>;

TEST(Tabellone, AllWheelsFillInDrawingOrderOrSortedWithDefaultColours)
{
    auto e = estrazioniCasuali(QDate(2004, 1, 3), 3, 7, 1);   // no Nazionale yet
    e[1].setNumero(1, 1, 47);
    e[1].setNumero(1, 2, 5);
    e[1].setNumero(1, 3, 90);
    e[1].setNumero(1, 4, 12);
    e[1].setNumero(1, 5, 33);
    const auto v = vista(e);
    ModelloCelle m;
    m[3].marca(0, 0);
    auto h = RiempiTutteLeRuote(*v, 2, false, m);
    EXPECT_EQ(testiRiga(m, 0), (Testi{"47", "5", "90", "12", "33"}));
    EXPECT_EQ(m[2].valore, 5);
    EXPECT_EQ(m[2].suggerimento, " 5");
    EXPECT_EQ(testiRiga(m, 10), (Testi{"0", "0", "0", "0", "0"}));
    for (int i = 1; i <= 55; ++i)
        EXPECT_FALSE(m[i].marcata()) << i;
    EXPECT_EQ(h.progressivoAnno, 2);
    EXPECT_EQ(h.anno, "2004");

    RiempiTutteLeRuote(*v, 2, true, m);
    EXPECT_EQ(testiRiga(m, 0), (Testi{"5", "12", "33", "47", "90"}));
    EXPECT_EQ(m[1].suggerimento, "5");
    EXPECT_EQ(testiRiga(m, 10), (Testi{"0", "0", "0", "0", "0"}));
}

TEST(Tabellone, OneWheelBelowDrawTenShowsDrawsOneToTen)
{
    const auto e = estrazioniCasuali(QDate(2004, 1, 3), 30, 7, 2);
    const auto v = vista(e);
    StatoTabellone s;
    s.RuotaSingola = 4;
    s.EstrazioneCorrente = 3;
    ModelloCelle m;
    const auto h = RiempiRuotaSingola(*v, s, false, m);
    for (int r = 0; r <= 9; ++r) {
        EXPECT_EQ(s.EstrazioneRiga[r], r + 1);
        EXPECT_EQ(h.dateRighe[r], v->dataTesto(r + 1));
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(m.at(r, p).valore, e[size_t(r)].numero(4, p));
    }
    EXPECT_EQ(testiRiga(m, 10), (Testi{"", "", "", "", ""}));
    EXPECT_EQ(h.progressivoAnno, 10);   // the header is the last row's draw

    s.EstrazioneCorrente = 25;
    RiempiRuotaSingola(*v, s, false, m);
    EXPECT_EQ(s.EstrazioneRiga[0], 16);
    EXPECT_EQ(s.EstrazioneRiga[9], 25);
}

// A board of two wheels whose values are known: Bari and Cagliari only.
std::vector<RecEstrazione> ritardiNoti()
{
    return componi({
        {QDate(2004, 1, 3), {{1, {1, 2, 3, 4, 5}}, {2, {1, 2, 3, 4, 5}}}},
        {QDate(2004, 1, 5), {{1, {6, 7, 8, 9, 10}}, {2, {6, 7, 8, 9, 10}}}},
        {QDate(2004, 1, 8), {{1, {1, 7, 11, 12, 13}}, {2, {1, 2, 3, 4, 5}}}},
    });
}

TEST(Tabellone, DelaysAtTheDrawMarkLargestRedAndSmallestBlue)
{
    const auto v = vista(ritardiNoti());
    StatoTabellone s;
    s.EstrazioneCorrente = 3;
    ModelloCelle m;
    RiempiTutteLeRuote(*v, 3, false, m);
    MostraRitardiSortita(*v, s, m);
    // Bari 1 came out two draws back (delay 1), 7 in the last draw (0),
    // 11, 12, 13 never (2, the draws before).
    EXPECT_EQ(testiRiga(m, 0), (Testi{"1", "0", "2", "2", "2"}));
    EXPECT_EQ(testiRiga(m, 1), (Testi{"1", "1", "1", "1", "1"}));
    // Wheels without numbers read 0 and take part in the smallest.
    EXPECT_EQ(testiRiga(m, 10), (Testi{"0", "0", "0", "0", "0"}));
    EXPECT_EQ(m.at(0, 3).sfondo, kSfondoMassimo);
    EXPECT_EQ(m.at(0, 3).colore, kTestoEstremi);
    EXPECT_EQ(m.at(0, 2).sfondo, kSfondoMinimo);
    EXPECT_EQ(m.at(10, 1).sfondo, kSfondoMinimo);
    EXPECT_FALSE(m.at(1, 1).marcata());
}

TEST(Tabellone, AtDrawOneEveryDelayIsZeroAndTheTieEndsBlue)
{
    const auto v = vista(ritardiNoti());
    StatoTabellone s;
    s.EstrazioneCorrente = 1;
    ModelloCelle m;
    RiempiTutteLeRuote(*v, 1, false, m);
    MostraRitardiSortita(*v, s, m);
    for (int i = 1; i <= 55; ++i) {
        EXPECT_EQ(m[i].testo, "0");
        EXPECT_EQ(m[i].sfondo, kSfondoMinimo) << i;
    }
}

TEST(Tabellone, OneWheelDelaysAreTakenAtEachRowsDraw)
{
    const auto e = estrazioniCasuali(QDate(2004, 1, 3), 40, 7, 9);
    const auto v = vista(e);
    StatoTabellone s;
    s.RuotaSingola = 2;
    s.EstrazioneCorrente = 30;
    ModelloCelle m;
    RiempiRuotaSingola(*v, s, false, m);
    MostraRitardiSortita(*v, s, m);
    for (int r = 0; r <= 9; ++r)
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(m.at(r, p).valore, RitardiAllaEstrazione(*v, 2, 21 + r)[e[size_t(20 + r)].numero(2, p)]);
    // Row 10 stays empty and unmarked.
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(m.at(10, p).testo, "");
        EXPECT_FALSE(m.at(10, p).marcata());
    }
}

TEST(Tabellone, LastDelayMarkingKeepsTheNumbers)
{
    const auto v = vista(ritardiNoti());
    ModelloCelle m;
    RiempiTutteLeRuote(*v, 3, false, m);
    MarcaRitardiAlmeno(*v, 3, 2, m);
    EXPECT_EQ(testiRiga(m, 0), (Testi{"1", "7", "11", "12", "13"}));
    EXPECT_FALSE(m.at(0, 1).marcata());
    EXPECT_EQ(m.at(0, 3).sfondo, kSfondoMassimo);
    MarcaRitardiAlmeno(*v, 3, 0, m);
    for (int i = 1; i <= 55; ++i)
        EXPECT_TRUE(m[i].marcata()) << i;
}

TEST(Tabellone, FrequenciesCountThePeriodAndOneWheelRowsNeverReachBeforeDrawOne)
{
    const auto e = estrazioniCasuali(QDate(2004, 1, 3), 60, 7, 4);
    const auto v = vista(e);
    const IndiceUscite ind(*v);
    StatoTabellone s;
    s.EstrazioneCorrente = 60;
    s.InizioPeriodo = 41;
    s.FinePeriodo = 60;
    ModelloCelle m;
    RiempiTutteLeRuote(*v, 60, false, m);
    MostraFrequenze(ind, s, false, m);
    for (int r = 0; r <= 9; ++r)
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(m.at(r, p).valore, ind.frequenza(r + 1, e[59].numero(r + 1, p), 41, 60));

    // Rows of draws 1..10 with a period of 20 draws: each row counts from
    // draw 1 to its own draw (the one before it without the current one).
    s.RuotaSingola = 5;
    s.EstrazioneCorrente = 4;
    RiempiRuotaSingola(*v, s, false, m);
    MostraFrequenze(ind, s, true, m);
    for (int r = 0; r <= 9; ++r)
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(m.at(r, p).valore, ind.frequenza(5, e[size_t(r)].numero(5, p), 1, r)) << r;
    EXPECT_EQ(m.at(0, 1).testo, "0");
}

TEST(Tabellone, EqualCountsEndBlue)
{
    const auto v = vista(ritardiNoti());
    const IndiceUscite ind(*v);
    StatoTabellone s;
    s.InizioPeriodo = 2;
    s.FinePeriodo = 1;   // an empty period: every count 0
    ModelloCelle m;
    RiempiTutteLeRuote(*v, 3, false, m);
    MostraFrequenze(ind, s, false, m);
    for (int i = 1; i <= 55; ++i)
        EXPECT_EQ(m[i].sfondo, kSfondoMinimo);
}

ModelloCelle riga(std::array<int, 5> n, int quale = 0)
{
    ModelloCelle m;
    for (int p = 1; p <= 5; ++p)
        m.at(quale, p).scrivi(n[p - 1]);
    return m;
}

TEST(Tabellone, RowSumsStayWithinNinety)
{
    EXPECT_EQ(SommaRuota(riga({3, 22, 45, 67, 89}), 0), 46);
    EXPECT_EQ(SommaRuota(riga({90, 90, 90, 90, 90}), 0), 90);
    EXPECT_EQ(SommaRuota(riga({0, 0, 0, 0, 0}, 10), 10), 0);
    ModelloCelle vuota;
    EXPECT_EQ(SommaRuota(vuota, 4), 0);
}

TEST(Tabellone, FindSumsAndDistancesMarkBothCellsWithTheSlotsColours)
{
    StatoTabellone s;
    s.SommeCercate[2] = 30;
    ModelloCelle m = riga({55, 1, 65, 2, 3});
    MarcaSommeCercate(s, false, m);
    EXPECT_FALSE(m.at(0, 1).marcata());
    EXPECT_EQ(s.TotaleSomme[2], 0);
    MarcaSommeCercate(s, true, m);
    EXPECT_EQ(m.at(0, 1).sfondo, ColoriTrova(2)[0]);
    EXPECT_EQ(m.at(0, 3).colore, ColoriTrova(2)[1]);
    EXPECT_FALSE(m.at(0, 2).marcata());
    EXPECT_EQ(s.TotaleSomme[2], 1);
    // Running counts: the same draw again adds again.
    MarcaSommeCercate(s, true, m);
    EXPECT_EQ(s.TotaleSomme[2], 2);

    s.DistanzeCercate[0] = 80;
    s.DistanzeCercate[5] = 10;
    m = riga({5, 85, 40, 41, 42});
    MarcaDistanzeCercate(s, m);
    EXPECT_EQ(m.at(0, 1).sfondo, ColoriTrova(0)[0]);
    EXPECT_EQ(m.at(0, 2).sfondo, ColoriTrova(0)[0]);
    EXPECT_EQ(s.TotaleDistanze[0], 1);
    EXPECT_EQ(s.TotaleDistanze[5], 0);
}

TEST(Tabellone, FindNumbersLooksUpOnlyNumbersOneToNinety)
{
    StatoTabellone s;
    s.NumeriCercati[12] = true;
    s.NumeriCercati[90] = true;
    ModelloCelle m = riga({12, 150, 90, 0, 12});
    m.at(3, 1).scrivi(5000);
    MarcaNumeriCercati(s, m);
    EXPECT_EQ(s.PresenzeNumeri[12], 2);
    EXPECT_EQ(s.PresenzeNumeri[90], 1);
    EXPECT_EQ(m.at(0, 1).sfondo, 0x000000u);
    EXPECT_EQ(m.at(0, 1).colore, 0x00FFFFu);
    EXPECT_FALSE(m.at(0, 2).marcata());
    EXPECT_FALSE(m.at(3, 1).marcata());
}

TEST(Tabellone, NumberBoxesSaturate)
{
    EXPECT_EQ(ValoreIntero(u"90"), 90);
    EXPECT_EQ(ValoreIntero(u""), 0);
    EXPECT_EQ(ValoreIntero(u"99999999999"), 2147483647);
    EXPECT_EQ(ValoreIntero(u"-99999999999"), -2147483647 - 1);
    EXPECT_EQ(ValoreIntero(u"12abc"), 12);
}

} // namespace
