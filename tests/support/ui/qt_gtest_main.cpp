#include "StatoModuli.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The one fixture every window test shares: module state as at start.
class StatoPulito : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { azzeraStatoModuli(); }
};

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", "/tmp");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new StatoPulito);
    return RUN_ALL_TESTS();
}
