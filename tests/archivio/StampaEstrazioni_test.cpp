#include "ArchivioTest.h"
#include "TestoStampa.h"
#include "archivio/StampaEstrazioni.h"

#include <gtest/gtest.h>

namespace {

RichiestaStampa richiesta(int ruota, qint32 inizio, qint32 fine)
{
    RichiestaStampa r;
    r.inizio = inizio;
    r.fine = fine;
    r.ruota = ruota;
    r.intestazione[0] = QStringLiteral("Quorvane - Stampa estrazioni dal 02/01/2001 al 31/12/2002");
    r.intestazione[1] = QStringLiteral("Ruota : Bari");
    r.testoRuota = QStringLiteral("Bari      ");
    return r;
}

int conta(const QStringList& righe, const QString& testo)
{
    return int(righe.filter(testo).size());
}

TEST(StampaEstrazioni, TitlesAreCentredWithHalvesToEven)
{
    EXPECT_EQ(ColonnaCentrata(57), 12); // 11.5
    EXPECT_EQ(ColonnaCentrata(55), 12); // 12.5
    EXPECT_EQ(ColonnaCentrata(15), 32); // 32.5
    EXPECT_EQ(ColonnaCentrata(80), 1);
    EXPECT_EQ(ColonnaCentrata(95), 1);  // longer than the line
}

TEST(StampaEstrazioni, NearDateDaysMustExistInEveryYear)
{
    EXPECT_TRUE(GiornoMeseValido(28, 2));
    EXPECT_TRUE(GiornoMeseValido(31, 12));
    EXPECT_TRUE(GiornoMeseValido(30, 4));
    for (auto [g, m] : {std::pair{29, 2}, {30, 2}, {31, 2}, {31, 4}, {31, 6}, {31, 9}, {31, 11}})
        EXPECT_FALSE(GiornoMeseValido(g, m)) << g << "/" << m;
}

TEST(StampaEstrazioni, OneWheelPageHoldsAHundredDrawsInTwoColumns)
{
    const auto a = memoria(estrazioniCasuali(QDate(2001, 1, 2), 101, 3, 5));
    const QStringList cento = TestoStampa(ElencoEstrazioni(*a, richiesta(1, 1, 100)));
    EXPECT_EQ(conta(cento, QStringLiteral("<<pagina>>")), 0);
    ASSERT_EQ(cento.size(), 56);
    // Header: titles centred, the page number at column 65.
    EXPECT_EQ(cento[1].indexOf(u"Quorvane"), ColonnaCentrata(57) - 1);
    EXPECT_EQ(cento[3], QString(33, u' ') + QStringLiteral("Ruota : Bari"));
    EXPECT_EQ(cento[4], QString(64, u' ') + QStringLiteral("Pag.   1"));
    // Draw 1 at the top left, draw 51 beside it, draw 50 at the bottom left.
    EXPECT_EQ(cento[6].mid(5, 27), VoceRuota(*a, 1, 1));
    EXPECT_EQ(cento[6].mid(46), VoceRuota(*a, 51, 1));
    EXPECT_EQ(cento[55].mid(5, 27), VoceRuota(*a, 50, 1));
    EXPECT_EQ(cento[55].mid(46), VoceRuota(*a, 100, 1));

    const QStringList centouno = TestoStampa(ElencoEstrazioni(*a, richiesta(1, 1, 101)));
    ASSERT_EQ(conta(centouno, QStringLiteral("<<pagina>>")), 1);
    const int p2 = int(centouno.indexOf(QStringLiteral("<<pagina>>")));
    EXPECT_EQ(centouno.mid(0, p2), cento);
    ASSERT_EQ(centouno.size() - p2 - 1, 56); // the last page has its 50 rows too
    EXPECT_EQ(centouno[p2 + 5], QString(64, u' ') + QStringLiteral("Pag.   2"));
    EXPECT_EQ(centouno[p2 + 7], QString(5, u' ') + VoceRuota(*a, 101, 1));
    EXPECT_TRUE(centouno[p2 + 8].isEmpty());
}

// One draw's text in the list's own forms.
TEST(StampaEstrazioni, EntryAndBlockLinesOfOneDraw)
{
    const auto a = memoria(componi({{QDate(2005, 5, 4), {{1, {3, 27, 30, 58, 90}}, {2, {1, 2, 3, 4, 0}}}}}));
    EXPECT_EQ(VoceRuota(*a, 1, 1), QStringLiteral("04/05/2005    3 27 30 58 90"));
    EXPECT_EQ(VoceRuota(*a, 1, 2), QString()); // a missing number: no entry
    EXPECT_EQ(RigaBlocco(*a, 1, 1), QStringLiteral("BA    3 27 30 58 90"));
    EXPECT_EQ(RigaBlocco(*a, 1, 2), QStringLiteral("CA    1  2  3  4 --"));
    EXPECT_EQ(RigaBlocco(*a, 1, 11), QStringLiteral("NZ   -- -- -- -- --"));
}

TEST(StampaEstrazioni, AllWheelsPageHoldsTwelveDrawsInBlockRows)
{
    const auto a = memoria(estrazioniCasuali(QDate(2004, 1, 3), 13, 3, 9));
    const QStringList dodici = TestoStampa(ElencoEstrazioni(*a, richiesta(0, 1, 12)));
    ASSERT_EQ(dodici.size(), 56);
    EXPECT_EQ(conta(dodici, QStringLiteral("<<pagina>>")), 0);
    EXPECT_EQ(dodici[0], QString(11, u' ') + a->dataTesto(1) + QString(15, u' ') + a->dataTesto(2)
                             + QString(15, u' ') + a->dataTesto(3));
    EXPECT_TRUE(dodici[1].isEmpty());
    EXPECT_EQ(dodici[2], QString(4, u' ') + RigaBlocco(*a, 1, 1) + QString(6, u' ') + RigaBlocco(*a, 2, 1)
                             + QString(6, u' ') + RigaBlocco(*a, 3, 1));
    EXPECT_EQ(dodici[12].left(23), QString(4, u' ') + RigaBlocco(*a, 1, 11));
    EXPECT_TRUE(dodici[13].isEmpty());
    EXPECT_EQ(dodici[14].mid(11, 10), a->dataTesto(4));

    const QStringList tredici = TestoStampa(ElencoEstrazioni(*a, richiesta(0, 1, 13)));
    ASSERT_EQ(tredici.size(), 56 + 1 + 13); // the unfinished row has no closing line
    EXPECT_EQ(tredici.mid(0, 56), dodici);
    EXPECT_EQ(tredici[56], "<<pagina>>");
    EXPECT_EQ(tredici[57], QString(11, u' ') + a->dataTesto(13));
    EXPECT_EQ(tredici.last(), QString(4, u' ') + RigaBlocco(*a, 13, 11));
}

TEST(StampaEstrazioni, MonthFilterAndEmptyLists)
{
    const auto a = memoria(estrazioniCasuali(QDate(2001, 1, 2), 200, 5, 3));
    auto r = richiesta(3, 1, 200);
    r.modo = ModoStampa::Mese;
    r.mese = 2;
    const QStringList febbraio = TestoStampa(ElencoEstrazioni(*a, r));
    int attese = 0;
    for (qint32 i = 1; i <= 200; ++i)
        if (a->dataTesto(i).mid(3, 2) == u"02") {
            ++attese;
            EXPECT_EQ(conta(febbraio, VoceRuota(*a, i, 3)), 1);
        }
    EXPECT_EQ(conta(febbraio, QStringLiteral("/02/")), attese);
    EXPECT_EQ(conta(febbraio, QStringLiteral("/03/")), 0);

    // Nothing left: not even a header.
    r.fine = 5; // January only
    EXPECT_FALSE(StampaQualcosa(ElencoEstrazioni(*a, r)));
    r.ruota = 11; // the Nazionale before it existed
    r.modo = ModoStampa::Tutte;
    r.fine = 200;
    EXPECT_FALSE(StampaQualcosa(ElencoEstrazioni(*a, r)));
}

TEST(StampaEstrazioni, NearDateGivesEachYearItsFirstDrawOnOrAfterTheDay)
{
    const std::array<int, 5> n{1, 2, 3, 4, 5};
    const auto a = memoria(componi({
        {QDate(2001, 3, 10), {{1, n}}},
        {QDate(2001, 3, 17), {{1, {6, 7, 8, 9, 10}}}},
        {QDate(2001, 3, 24), {{1, n}}},
        {QDate(2001, 12, 29), {{1, n}}},
        {QDate(2002, 1, 2), {{1, n}}},
        {QDate(2002, 3, 16), {{2, n}}},           // Bari missing: the year prints nothing...
        {QDate(2002, 3, 19), {{1, {11, 12, 13, 14, 15}}}}, // ...and this one does not stand in
        {QDate(2002, 3, 23), {{1, n}}},
    }));
    auto r = richiesta(1, 1, 8);
    r.modo = ModoStampa::DateVicine;
    r.chiaveData = 315;
    const QStringList righe = TestoStampa(ElencoEstrazioni(*a, r));
    EXPECT_EQ(conta(righe, QStringLiteral("/2001  ")), 1);
    EXPECT_EQ(conta(righe, QStringLiteral("17/03/2001    6  7  8  9 10")), 1);
    EXPECT_EQ(conta(righe, QStringLiteral("/2002  ")), 0);
    // On the Cagliari wheel the same day's draw is the one of 2002.
    r.ruota = 2;
    EXPECT_EQ(conta(TestoStampa(ElencoEstrazioni(*a, r)), QStringLiteral("16/03/2002    1  2  3  4  5")), 1);
    r.ruota = 1;

    // 31 December: a year whose last draw is earlier prints nothing, and the
    // next year's January draw does not stand in for it.
    r.chiaveData = 1231;
    EXPECT_FALSE(StampaQualcosa(ElencoEstrazioni(*a, r)));
    // All wheels: the first draw of each year on or after 16 March.
    r.chiaveData = 316;
    r.ruota = 0;
    const QStringList tutte = TestoStampa(ElencoEstrazioni(*a, r));
    ASSERT_FALSE(tutte.isEmpty());
    EXPECT_EQ(tutte[0], QString(11, u' ') + QStringLiteral("17/03/2001") + QString(15, u' ')
                            + QStringLiteral("16/03/2002"));
}

TEST(StampaEstrazioni, GridRowMarksEachNumberInItsDecade)
{
    const auto a = memoria(componi({{QDate(2001, 1, 2), {{1, {3, 27, 30, 58, 90}}, {2, {10, 10, 0, 0, 0}}}}}));
    EXPECT_EQ(RigaGriglia(*a, 1, 1), QStringLiteral("..3....... .......... ......7..0 .......... .......... "
                                                    ".......8.. .......... .......... .........0"));
    // Twice the same number marks one place; a missing one marks nothing.
    EXPECT_EQ(RigaGriglia(*a, 1, 2), QStringLiteral(".........0 .......... .......... .......... .......... "
                                                    ".......... .......... .......... .........."));

    auto r = richiesta(1, 1, 1);
    const QStringList righe = TestoStampa(GrigliaRuota(*a, r));
    ASSERT_EQ(righe.size(), 6);
    EXPECT_TRUE(righe[0].isEmpty());
    EXPECT_EQ(righe[1], "Estrazioni della ruota di Bari      ");
    EXPECT_EQ(righe[3].mid(10), QStringLiteral("0000000001 1111111112 2222222223 3333333334 4444444445 "
                                               "5555555556 6666666667 7777777778 8888888889"));
    EXPECT_EQ(righe[5], QStringLiteral("02/01/01  ") + RigaGriglia(*a, 1, 1)
                            + QStringLiteral("   3 27 30 58 90"));
    r.ruota = 2;
    EXPECT_TRUE(TestoStampa(GrigliaRuota(*a, r))[5].endsWith(u"  10 10  0  0  0"));
}

} // namespace
