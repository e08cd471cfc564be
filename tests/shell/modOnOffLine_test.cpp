#include "compat/AppError.h"
#include "shell/modOnOffLine.h"
#include "support/ui/FakePlatform.h"

#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(modOnOffLine, ARefusalRaisesItsErrorAndGoingOffLineChangesNothing)
{
    FakePlatform fake;
    FakePlatformScope scope(fake);
    ImpostaOffLine(false);
    ImpostaOffLine(true);
    fake.setOnlineSucceeds(false);
    try {
        ImpostaOffLine(false);
        ADD_FAILURE() << "no error raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number, -2147220504);
        EXPECT_EQ(e.description, "Errore richiamando la modalità off-line");
        EXPECT_TRUE(e.source.isEmpty());
    }
    EXPECT_EQ(fake.shellCalls(),
              QStringList({QStringLiteral("net.setOnline"), QStringLiteral("net.setOnline")}));
}

} // namespace
