#include "compat/ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace compat;

namespace {

TEST(Setters, CodeChangesFireTheOriginalsEvents)
{
    QWidget w;
    auto* btn = new QPushButton(&w);
    btn->setEnabled(false);
    QSignalSpy clicked(btn, &QPushButton::clicked);
    vbPress(btn); // hidden and disabled: still pressed
    EXPECT_EQ(clicked.count(), 1);

    auto* le = new QLineEdit(&w);
    QSignalSpy changed(le, &QLineEdit::textChanged);
    vbSetText(le, QStringLiteral("a"));
    vbSetText(le, QStringLiteral("a"));
    EXPECT_EQ(changed.count(), 2);

    auto* cb = new QComboBox(&w);
    cb->addItems({QStringLiteral(" 1"), QStringLiteral(" 6"), QStringLiteral("10")});
    QSignalSpy index(cb, &QComboBox::currentIndexChanged);
    vbSetComboText(cb, QStringLiteral(" 6"));
    EXPECT_EQ(cb->currentIndex(), 1);
    vbSetComboText(cb, QStringLiteral("6")); // no such item: unchanged
    EXPECT_EQ(cb->currentIndex(), 1);
    EXPECT_EQ(index.count(), 1);

    auto* de = new QDateEdit(&w);
    QList<bool> byCode;
    QObject::connect(de, &QDateEdit::dateChanged, [&] { byCode << vbDateSetByCode(de); });
    vbSetDate(de, QDate(2026, 2, 27));
    de->setDate(QDate(2026, 2, 28)); // as the user would
    EXPECT_EQ(byCode, (QList<bool>{true, false}));

    auto* chk = new QCheckBox(&w);
    EXPECT_EQ(vbValue(chk), 0);
    chk->setChecked(true);
    EXPECT_EQ(vbValue(chk), 1);
}

} // namespace
