#include "core/Impostazioni.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Impostazioni, SettingsProceduresIgnoreTheApplicationWord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Quorvane.ini");
    IniImpostazioni().setFileName("  " + path + "  ");
    SalvaImpostazione("Quorvane", "Settings", "Blocco", QString("Y"));
    EXPECT_EQ(LeggiImpostazione("Container", "Settings", "Blocco", "N"), "Y");
    SalvaImpostazione("Container", "Settings", "Blocco", std::nullopt);
    EXPECT_EQ(LeggiImpostazione("Quorvane", "Settings", "Blocco", "N"), "N");
    IniImpostazioni().setFileName(QString());
}

} // namespace
