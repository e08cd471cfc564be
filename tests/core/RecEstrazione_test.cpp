#include "core/RecEstrazione.h"

#include <gtest/gtest.h>

namespace {

TEST(RecEstrazione, LaysOutEveryFieldAtItsByte)
{
    RecEstrazione r = RecEstrazione::crea(QDate(2026, 2, 27), 200);
    r.setNumero(1, 1, 90);
    r.setNumero(11, 5, 7);
    const QByteArray b = r.toBytes();
    ASSERT_EQ(b.size(), 66);
    EXPECT_EQ(b[0], '6');          // Friday: 1 = Sunday
    EXPECT_EQ(b[1], '6');
    EXPECT_EQ(quint8(b[2]), 200);  // a byte value, above 127 too
    EXPECT_EQ(b.mid(3, 8), "27022026");
    EXPECT_EQ(quint8(b[11]), 90);
    EXPECT_EQ(quint8(b[65]), 7);
    EXPECT_EQ(RecEstrazione::daBytes(b).toBytes(), b);
    EXPECT_EQ(r.dataTesto(), "27/02/2026");
    EXPECT_EQ(r.ProgressivoAnno(), 200);
}

TEST(RecEstrazione, WeekdayDigitOutsideOneToSevenIsNoDay)
{
    RecEstrazione r;
    for (char c : {'\0', '0', '8', 'A'}) {
        r.setGiornoSettimana(c);
        EXPECT_EQ(r.giorno(), 0) << int(c);
    }
    r.setGiornoSettimana('7');
    EXPECT_EQ(r.giorno(), 7);
}

TEST(RecAnno, YearRecordIsYearNumberAndCarriageReturn)
{
    const RecAnno a = RecAnno::crea(1874, 174);
    EXPECT_EQ(a.toBytes(), QByteArray("1874174    \r"));
    EXPECT_EQ(a.anno(), 1874);
    EXPECT_EQ(a.PrimaEstrazione(), 174);
    EXPECT_EQ(RecAnno::crea(2026, 10780).toBytes(), QByteArray("202610780  \r"));
}

} // namespace
