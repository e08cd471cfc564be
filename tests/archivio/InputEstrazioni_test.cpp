#include "archivio/InputEstrazioni.h"

#include <gtest/gtest.h>

namespace {

TEST(InputEstrazioni, BoxValueReadsLeadingDigitsOnly)
{
    const std::pair<const char*, int> casi[] = {
        {"", 0}, {"0", 0}, {"7", 7}, {"07", 7}, {"  12", 12}, {"9x5", 9}, {"x5", 0},
        {"95", 95}, {"99999999999999", 1000000}};
    for (const auto& [testo, atteso] : casi)
        EXPECT_EQ(valoreCasella(QString::fromLatin1(testo)), atteso) << testo;
}

TEST(InputEstrazioni, NazionaleNumbersFromItsFirstDrawOn)
{
    const QDate nz(2005, 5, 4);
    EXPECT_EQ(numeriRichiesti(QDate(2005, 5, 3), nz), 50);
    EXPECT_EQ(numeriRichiesti(nz, nz), 55);
    EXPECT_EQ(numeriRichiesti(QDate(2026, 3, 3), nz), 55);
}

TEST(InputEstrazioni, ProposalTakesNextDrawDayAndNumberInYear)
{
    struct Caso {
        QDate ultima;
        int progressivo;
        const char* giorni;
        QDate attesa;
        const char* numero;
    };
    const Caso casi[] = {
        {QDate(2026, 2, 28), 30, "NNYNYNY", QDate(2026, 3, 3), " 31"},   // Saturday -> Tuesday
        {QDate(2026, 3, 3), 31, "NNYNYNY", QDate(2026, 3, 5), " 32"},    // Tuesday -> Thursday
        {QDate(2026, 2, 26), 29, "NNYNYYY", QDate(2026, 2, 27), " 30"},  // Thursday -> Friday
        {QDate(2026, 3, 3), 31, "NNNNNNN", QDate(2026, 3, 7), " 32"},    // none: Saturday
        {QDate(2026, 3, 3), 31, "nnynyny", QDate(2026, 3, 7), " 32"},    // lower case is no day
        {QDate(2025, 12, 31), 154, "NNYNYNY", QDate(2026, 1, 1), "1"},   // a new year
    };
    for (const Caso& c : casi) {
        const PropostaEstrazione p =
            proponiEstrazione(RecEstrazione::crea(c.ultima, c.progressivo),
                              QString::fromLatin1(c.giorni));
        EXPECT_EQ(p.data, c.attesa) << c.giorni;
        EXPECT_EQ(p.giornoSettimana, p.data.dayOfWeek() % 7 + 1);
        EXPECT_EQ(p.numeroAnno, QString::fromLatin1(c.numero));
    }
}

TEST(InputEstrazioni, PastedTextTable)
{
    struct Caso {
        const char* testo;
        std::vector<QString> caselle;
        int errata;
    };
    const Caso casi[] = {
        {"01 02 03 04 05", {"01", "02", "03", "04", "05"}, 0},
        {"01,02\r\n03,,04\n05 ", {"01", "02", "03", "04", "05"}, 0},
        {"Bari 12 5 7 88 90", {"12", "5", "7", "88", "90"}, 0},
        {"1 2 3 4 5", {}, 0},                                   // shorter than 10
        {"12/01/2026 ecc", {"12", "01", ""}, 3},                // the year stops it
        {"10 20 0 30 40", {"10", "20", ""}, 3},
        {"10 20 91 30 40", {"10", "20", ""}, 3},
    };
    for (const Caso& c : casi) {
        const Incollatura r = incolla(QString::fromLatin1(c.testo));
        EXPECT_EQ(r.testi, c.caselle) << c.testo;
        EXPECT_EQ(r.casellaErrata, c.errata) << c.testo;
    }
    QString sessanta;
    for (int i = 1; i <= 60; ++i)
        sessanta += QString::number(i) + u' ';
    const Incollatura r = incolla(sessanta);
    ASSERT_EQ(r.testi.size(), 55u);
    EXPECT_EQ(r.testi.back(), "55");
}

TEST(InputEstrazioni, ChecksBeforeAStore)
{
    ValoriCaselle v{};
    for (int k = 1; k <= 55; ++k)
        v[k] = k;
    EXPECT_EQ(primaCasellaFuoriIntervallo(v), 0);
    EXPECT_FALSE(numeriRipetuti(v, 55));
    EXPECT_EQ(caselleVuote(v, 55), 0);
    v[53] = 91;
    EXPECT_EQ(primaCasellaFuoriIntervallo(v), 53);   // beyond the required 50 too
    v[53] = 53;
    v[54] = 51;   // a repeat on the Nazionale only counts with 55 numbers
    EXPECT_FALSE(numeriRipetuti(v, 50));
    EXPECT_TRUE(numeriRipetuti(v, 55));
    v[7] = 0;
    v[9] = 0;
    EXPECT_EQ(caselleVuote(v, 50), 2);
}

TEST(InputEstrazioni, RecordFromTheBoxesByteForByte)
{
    ValoriCaselle v{};
    for (int k = 1; k <= 55; ++k)
        v[k] = (k * 7) % 91;
    // Proposed on a Tuesday (3), stored after moving to the Wednesday (4).
    const RecEstrazione r = componiRecord(v, "04", "03", "2026", 200, 3, 4);
    QByteArray atteso("34");
    atteso += char(200);
    atteso += "04032026";
    for (int k = 1; k <= 55; ++k)
        atteso += char(v[k]);
    EXPECT_EQ(r.toBytes(), atteso);
    EXPECT_EQ(componiRecord(v, "4", "3", "2026", 1, 3, 3).DataCompatta(), "432026  ");
}

} // namespace
