#include "shell/modGuida.h"
#include "support/ui/FakePlatform.h"

#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(cHtmlHelp, TheFileIsTheHelpPathWithoutItsTopic)
{
    cHtmlHelp h;
    h.setHelpFile(QStringLiteral("/p/Quorvane.chm ::/pagina.htm"));
    EXPECT_EQ(h.VerificaPercorso(), QStringLiteral("/p/Quorvane.chm"));
    h.setHelpFile(QStringLiteral(" /p/Quorvane.chm "));
    EXPECT_EQ(h.VerificaPercorso(), QStringLiteral(" /p/Quorvane.chm "));
}

TEST(cHtmlHelp, AContextGoesToTheDesktop)
{
    FakePlatform fake;
    FakePlatformScope scope(fake);
    EXPECT_EQ(Guida().HelpContext(GuidaQuorvane, {}), 0);
    EXPECT_EQ(fake.shellCalls(), QStringList({QStringLiteral("help.context 2010")}));
}

} // namespace
