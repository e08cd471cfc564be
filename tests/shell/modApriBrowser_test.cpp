#include "shell/modApriBrowser.h"
#include "support/ui/FakePlatform.h"

#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(ApriUrl, OnlyAWebAddressWithAHostReachesTheDesktop)
{
    FakePlatform fake;
    FakePlatformScope scope(fake);
    const struct {
        const char* url;
        const char* aperto; // nullptr: refused
    } casi[] = {
        {"www.example.org/", "http://www.example.org/"},
        {"HTTPS://example.org/x", "HTTPS://example.org/x"},
        {"HTTP:/etc/passwd", nullptr},
        {"http://", nullptr},
        {"httpx:evil", nullptr},
    };
    QStringList attese;
    for (const auto& c : casi) {
        EXPECT_EQ(ApriUrl(QString::fromLatin1(c.url)), c.aperto != nullptr) << c.url;
        if (c.aperto)
            attese << QStringLiteral("shell.openUrl ") + QString::fromLatin1(c.aperto);
    }
    EXPECT_EQ(fake.shellCalls(), attese);
}

} // namespace
