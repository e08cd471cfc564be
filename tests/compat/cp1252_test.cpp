#include "compat/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, RoundTripsTheWindowsCharactersAndMarksTheRest)
{
    const QString testo = QString::fromUtf8("Città € “ok” – ÿ");
    const QByteArray b = compat::toCp1252(testo);
    EXPECT_EQ(b, QByteArray("Citt\xE0 \x80 \x93ok\x94 \x96 \xFF"));
    EXPECT_EQ(compat::fromCp1252(b), testo);
    EXPECT_EQ(compat::toCp1252(QString::fromUtf8("ω ✓")), QByteArray("? ?"));
    // The five bytes Windows-1252 leaves undefined come back unchanged.
    EXPECT_EQ(compat::toCp1252(compat::fromCp1252("\x81\x8D\x8F\x90\x9D")),
              QByteArray("\x81\x8D\x8F\x90\x9D"));
}

} // namespace
