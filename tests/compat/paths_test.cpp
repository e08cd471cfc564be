#include "compat/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(ResolvePath, FindsExistingNamesWhateverTheCaseAndKeepsNewOnesAsGiven)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("ARCHIVI")));
    touch(root + QStringLiteral("/ARCHIVI/ANNI.IND"));
    touch(root + QStringLiteral("/ARCHIVI/Ruote.dat"));
    touch(root + QStringLiteral("/ARCHIVI/ruote.DAT"));

    const struct {
        const char* rel;
        const char* expected;
    } cases[] = {
        {"Archivi/anni.ind", "/ARCHIVI/ANNI.IND"},
        {"archivi\\Anni.Ind", "/ARCHIVI/ANNI.IND"},     // original separators
        {"ARCHIVI/ANNI.IND", "/ARCHIVI/ANNI.IND"},
        {"Archivi/ruote.DAT", "/ARCHIVI/ruote.DAT"},    // an exact match wins
        {"Archivi/nuovo.txt", "/ARCHIVI/nuovo.txt"},    // new file in an existing folder
        {"Nuova/Sotto/anni.ind", "/Nuova/Sotto/anni.ind"},
        {"Archivi/", "/ARCHIVI/"},
        {"Quorvane.ini", "/Quorvane.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(compat::resolvePath(root, QString::fromUtf8(c.rel)),
                  root + QString::fromUtf8(c.expected))
            << c.rel;
    }
}

} // namespace
