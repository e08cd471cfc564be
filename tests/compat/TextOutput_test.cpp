#include "compat/TextOutput.h"
#include "LimiteFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace compat;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class TextOutputTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(TextOutputTest, ReplaceWritesWindows1252WithCrLfAfterEveryLine)
{
    const QString path = file("a.Txt");
    put(path, "vecchio contenuto piu lungo\r\n");
    QString error;
    ASSERT_TRUE(writeTextLines(path, {QStringLiteral("Città €"), QString(), QStringLiteral("  x  ")},
                               WriteMode::Replace, &error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(bytesOf(path), QByteArray("Citt\xE0 \x80\r\n\r\n  x  \r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary left
}

TEST_F(TextOutputTest, AppendKeepsWhatIsThereAndCreatesAMissingFile)
{
    const QString path = file("b.Txt");
    put(path, "uno\r\n");
    ASSERT_TRUE(writeTextLines(path, {QStringLiteral("due")}, WriteMode::Append));
    EXPECT_EQ(bytesOf(path), QByteArray("uno\r\ndue\r\n"));

    const QString fresh = file("nuovo.Txt");
    ASSERT_TRUE(writeTextLines(fresh, {QStringLiteral("tre")}, WriteMode::Append));
    EXPECT_EQ(bytesOf(fresh), QByteArray("tre\r\n"));
}

TEST_F(TextOutputTest, AReplaceNotCommittedLeavesTheOldFileWhole)
{
    const QString path = file("c.Txt");
    put(path, "originale\r\n");
    {
        TextOutput out(path, WriteMode::Replace);
        out.writeLine(u"mai scritto");
    }
    EXPECT_EQ(bytesOf(path), QByteArray("originale\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(TextOutputTest, FailuresAreReportedWithTheirReason)
{
    QString error;
    const QString missing = dir.filePath(QStringLiteral("manca/x.Txt"));
    EXPECT_FALSE(writeTextLines(missing, {QStringLiteral("x")}, WriteMode::Replace, &error));
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();
    EXPECT_FALSE(writeTextLines(dir.path(), {QStringLiteral("x")}, WriteMode::Replace, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(writeTextLines(QString(), {QStringLiteral("x")}, WriteMode::Append, &error));

    // A full device: the write fails and is not reported as done.
    if (QFile::exists(QStringLiteral("/dev/full"))) {
        TextOutput out(QStringLiteral("/dev/full"), WriteMode::Append);
        for (int i = 0; i < 10000; ++i)
            out.writeLine(u"riga di prova che riempie il buffer");
        EXPECT_FALSE(out.commit());
        EXPECT_TRUE(out.error().contains(QStringLiteral("/dev/full"))) << out.error().toStdString();
    }
}

TEST_F(TextOutputTest, AFullDiskFailsTheReportAndLeavesTheOldFileAsItWas)
{
    // A short report, all of it in a buffer until the end: its failure must
    // still be seen, in either mode.
    for (const WriteMode mode : {WriteMode::Replace, WriteMode::Append}) {
        const QString path = file("d.Txt");
        put(path, "gia presente\r\n");
        QString error;
        bool ok = true;
        {
            LimiteFile disco(20);
            ok = writeTextLines(path, {QStringLiteral("Riepilogo del metodo"), QStringLiteral("x")},
                                mode, &error);
        }
        EXPECT_FALSE(ok);
        EXPECT_TRUE(error.contains(QStringLiteral("Disco pieno")))
            << error.toStdString();
        EXPECT_EQ(bytesOf(path), QByteArray("gia presente\r\n"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}
