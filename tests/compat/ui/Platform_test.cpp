#include "compat/AppError.h"
#include "compat/ui/Platform.h"
#include "support/ui/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace compat;

namespace {

// The platform layer as windows reach it, through the scripted double.
TEST(FakePlatform, UnscriptedOrMismatchedBoxFailsTheTestWithAHarmlessAnswer)
{
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform fake;
            FakePlatformScope scope(fake);
            EXPECT_EQ(vbMsgBox(QStringLiteral("Cancellare tutto?"), vbYesNo), vbNo);
        },
        "Cancellare tutto?");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform fake;
            FakePlatformScope scope(fake);
            fake.expectMsgBox(QStringLiteral("Salvare?"), vbYes);
            EXPECT_EQ(vbMsgBox(QStringLiteral("Uscire?"), vbYesNoCancel), vbCancel);
        },
        "Uscire?");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform fake;
            FakePlatformScope scope(fake);
            fake.expectMsgBox(QStringLiteral("Fatto"), vbYes); // no Sì on an OK box
            EXPECT_EQ(vbMsgBox(QStringLiteral("Fatto")), vbOK);
        },
        "no button for answer");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform fake;
            fake.expectMsgBox(QStringLiteral("Mai mostrato"), vbOK);
        },
        "Mai mostrato");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform fake;
            FakePlatformScope scope(fake);
            fake.expectSave(QStringLiteral("/tmp/x.txt"));
            EXPECT_EQ(fake.open({}), std::nullopt);
        },
        "where a save dialog was expected");
}

TEST(FakePlatform, ScriptedAnswersComeInOrderAndCallsAreLogged)
{
    FakePlatform fake;
    FakePlatformScope scope(fake);
    fake.expectMsgBox(QStringLiteral("Primo"), vbNo);
    fake.expectMsgBox(QStringLiteral("Secondo"), vbRetry);
    fake.expectOpen(QStringLiteral("/dati/a.txt"));
    fake.expectSave(std::nullopt);

    EXPECT_EQ(vbMsgBox(QStringLiteral("Primo"), vbYesNo + vbQuestion), vbNo);
    EXPECT_EQ(vbMsgBox(QStringLiteral("Secondo"), vbRetryCancel, QStringLiteral("Attenzione")),
              vbRetry);
    EXPECT_EQ(platform().fileDialogs().open({QStringLiteral("Apri"), {}, 1, {}}),
              QStringLiteral("/dati/a.txt"));
    EXPECT_EQ(platform().fileDialogs().save({QStringLiteral("Salva"), {}, 1, {}}), std::nullopt);

    ASSERT_EQ(fake.msgBoxCalls().size(), 2u);
    EXPECT_EQ(fake.msgBoxCalls()[0].style, vbYesNo + vbQuestion);
    EXPECT_EQ(fake.msgBoxCalls()[0].title, QStringLiteral("Quorvane")); // empty title
    EXPECT_EQ(fake.msgBoxCalls()[1].title, QStringLiteral("Attenzione"));
    ASSERT_EQ(fake.fileCalls().size(), 2u);
    EXPECT_EQ(fake.fileCalls()[1].kind, FakePlatform::DialogKind::Save);
    EXPECT_EQ(fake.fileCalls()[1].request.title, QStringLiteral("Salva"));
}

TEST(FakePlatform, EndClosesAllFilesThenThrowsProcessEnded)
{
    FakePlatform fake;
    FakePlatformScope scope(fake);
    int closed = 0;
    platform().process().setCloseAllFiles([&] {
        ++closed;
        platform().process().end(9); // an error trap ending again does not loop
    });
    try {
        platform().process().end(3);
        FAIL() << "end() returned";
    } catch (const ProcessEnded& e) {
        EXPECT_EQ(e.code, 3);
    }
    EXPECT_EQ(closed, 1);
}

TEST(FakePlatformScope, RestoresThePreviousPlatform)
{
    FakePlatform outer;
    FakePlatformScope outerScope(outer);
    {
        FakePlatform inner;
        FakePlatformScope innerScope(inner);
        EXPECT_EQ(&platform(), &inner);
    }
    EXPECT_EQ(&platform(), &outer);
}

TEST(AppFile, FindsExistingNamesInTheProgramFolderWhateverTheCase)
{
    FakePlatform fake;
    FakePlatformScope scope(fake);
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("ARCHIVI")));
    QFile f(dir.path() + QStringLiteral("/ARCHIVI/ANNI.IND"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    fake.setFolder(dir.path());

    EXPECT_EQ(appFile(u"Archivi/anni.ind"), dir.path() + QStringLiteral("/ARCHIVI/ANNI.IND"));
    EXPECT_EQ(appFile(u"Archivi/nuovo.ind"), dir.path() + QStringLiteral("/ARCHIVI/nuovo.ind"));
}

} // namespace
