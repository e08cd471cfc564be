#include "compat/ui/Controls.h"
#include "shell/frmUrl.h"
#include "support/ui/AmbienteServizi.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(frmUrl, StoreRuleAddsThePrefixAndRefusesShortAddresses)
{
    const struct {
        const char* digitato;
        const char* memorizzato; // nullptr: refused
    } casi[] = {
        {"abcde", "http://abcde"},               // 12 with the prefix
        {"abcd", nullptr},                       // 11
        {"HTTPS://x.it/", "HTTPS://x.it/"},      // any case of "http" is kept as is
        {"http://", nullptr},
        {"", nullptr},
        {"httpabcdefgh", "httpabcdefgh"},        // begins with "http": no prefix
    };
    for (const auto& c : casi) {
        const auto r = UrlDaMemorizzare(QString::fromLatin1(c.digitato));
        if (c.memorizzato)
            EXPECT_EQ(r.value_or(QStringLiteral("<rifiutato>")), QString::fromLatin1(c.memorizzato));
        else
            EXPECT_FALSE(r.has_value()) << c.digitato;
    }
}

TEST(frmUrl, TypedAddressIsStoredAndARefusalStoresNothing)
{
    AmbienteServizi a(estrazioniCasuali(QDate(2001, 1, 2), 5, 7, 1));
    auto* f = Forms::get<frmUrl>();
    f->vbShow();
    EXPECT_EQ(f->txtUrl->text(), "http://localhost/");
    EXPECT_FALSE(f->cmdAggiorna->isEnabled());

    // Typing enables the button; clearing the text leaves it enabled, and the
    // bare prefix is too short.
    f->txtUrl->selectAll();
    QTest::keyClicks(f->txtUrl, QStringLiteral("abcd"));
    EXPECT_TRUE(f->cmdAggiorna->isEnabled());
    f->txtUrl->clear();
    EXPECT_TRUE(f->cmdAggiorna->isEnabled());
    QTest::keyClicks(f->txtUrl, QStringLiteral("abcd"));
    a.fake.expectMsgBox(QStringLiteral("Url non valida"), vbOK);
    QTest::mouseClick(f->cmdAggiorna, Qt::LeftButton);
    EXPECT_TRUE(f->isLoaded());
    EXPECT_EQ(a.ini("Options", "Url"), "<assente>");
    EXPECT_EQ(f->txtUrl->text(), "abcd"); // the box itself is not changed

    QTest::keyClicks(f->txtUrl, QStringLiteral("e"));
    QTest::mouseClick(f->cmdAggiorna, Qt::LeftButton);
    EXPECT_FALSE(f->isLoaded());
    EXPECT_EQ(a.ini("Options", "Url"), "http://abcde");

    // Reopened on the stored address; leaving stores nothing.
    f = Forms::get<frmUrl>();
    EXPECT_EQ(f->txtUrl->text(), "http://abcde");
    vbSetText(f->txtUrl, QStringLiteral("www.altro.example/"));
    vbPress(f->cmdEsci);
    EXPECT_FALSE(f->isLoaded());
    EXPECT_EQ(a.ini("Options", "Url"), "http://abcde");
}

} // namespace
