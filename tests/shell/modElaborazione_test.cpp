#include "compat/ui/Platform.h"
#include "shell/modArchivio.h"
#include "shell/modElaborazione.h"
#include "support/ui/FakePlatform.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(CalcoloScope, OnlyTheComputationsEndReleasesTheGuard)
{
    FakePlatform fake;
    FakePlatformScope scope(fake);
    StopRicerca = true;
    fake.setEsc(true);
    {
        CalcoloScope calcolo;
        EXPECT_TRUE(ElaborazioneInCorso);
        EXPECT_FALSE(StopRicerca);
        EXPECT_FALSE(fake.escDown());
        // A rejected date clears the busy flag, not the guard.
        ElaborazioneInCorso = false;
        EXPECT_TRUE(CalcoloInCorso());
        EXPECT_TRUE(ElaborazioneAttiva());
        fake.setEsc(true);
        StopRicerca = true;
    }
    EXPECT_FALSE(CalcoloInCorso());
    EXPECT_FALSE(ElaborazioneAttiva());
    EXPECT_FALSE(fake.escDown());
    EXPECT_TRUE(StopRicerca);   // the stop's own clean-up clears it
    StopRicerca = false;
}

TEST(CMouse, ReleaseRestoresThePointerBeforeTheFirstSet)
{
    ImpostaMousePointerSchermo(0);
    {
        CMouse m;
        m.SetPointer(11);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        m.SetPointer(0);
        m.SetPointer(11);
    }
    EXPECT_EQ(MousePointerSchermo(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Never set: its release leaves the pointer in force alone.
    ImpostaMousePointerSchermo(11);
    { CMouse m; }
    EXPECT_EQ(MousePointerSchermo(), 11);
    ImpostaMousePointerSchermo(0);
}

} // namespace
