#include "compat/ui/ReportListView.h"

#include <QHeaderView>
#include <gtest/gtest.h>

using compat::ReportListView;

namespace {

// Texts of column `c` in display order.
QStringList colonna(const ReportListView& lv, int c)
{
    QStringList s;
    for (int i = 1; i <= lv.count(); ++i)
        s << lv.item(i)->text(c);
    return s;
}

// Rows "a".."e" with key cells that tie in pairs, added unsorted.
void riempi(ReportListView& lv)
{
    const char* chiavi[] = {"  2", " 10", "  2", "abc", "ABC"};
    for (int i = 0; i < 5; ++i) {
        QTreeWidgetItem* r = lv.addItem(QString(QChar(u'a' + i)));
        lv.setSubItem(r, 1, QString::fromLatin1(chiavi[i]));
        ReportListView::setTag(r, QStringLiteral("t%1").arg(i));
    }
}

TEST(ReportListView, KeepsTheOrderOfTheKeyColumnWithTiesInInsertionOrder)
{
    ReportListView lv;
    lv.setColumnHeaders({"Testo", "Chiave"});
    riempi(lv);
    EXPECT_EQ(colonna(lv, 0), QStringList({"a", "b", "c", "d", "e"}));   // unsorted: as added

    lv.setSortKey(1);
    lv.setSorted(true);
    // Right-aligned numbers sort numerically; case does not count; ties keep their order.
    EXPECT_EQ(colonna(lv, 0), QStringList({"a", "c", "b", "d", "e"}));
    lv.setSortOrder(Qt::DescendingOrder);
    EXPECT_EQ(colonna(lv, 0), QStringList({"d", "e", "b", "a", "c"}));

    // A new row goes after its equals; a changed key cell moves its row.
    QTreeWidgetItem* f = lv.addItem("f");
    lv.setSubItem(f, 1, " 10");
    EXPECT_EQ(colonna(lv, 0), QStringList({"d", "e", "b", "f", "a", "c"}));
    lv.setSubItem(lv.item(1), 1, "  1");
    EXPECT_EQ(colonna(lv, 0), QStringList({"e", "b", "f", "a", "c", "d"}));
    EXPECT_EQ(ReportListView::tag(lv.item(6)), "t3");
    EXPECT_EQ(lv.item(7), nullptr);
    EXPECT_EQ(lv.item(0), nullptr);

    // Equal keys of another column stand as added, not as the last sort left them.
    for (int i = 1; i <= lv.count(); ++i)
        lv.setSubItem(lv.item(i), 2, "x");
    lv.setSortKey(2);
    EXPECT_EQ(colonna(lv, 0), QStringList({"a", "b", "c", "d", "e", "f"}));
}

TEST(ReportListView, HeadersAreNumberedFromOneAndAHeaderClickSortsNothing)
{
    ReportListView lv;
    lv.setColumnHeaders({"Testo", "Chiave"});
    riempi(lv);
    EXPECT_EQ(lv.columnHeader(2), "Chiave");
    lv.setColumnHeader(2, "Somma");
    EXPECT_EQ(lv.columnHeader(2), "Somma");

    lv.header()->sectionClicked(1);
    EXPECT_EQ(colonna(lv, 0), QStringList({"a", "b", "c", "d", "e"}));
    EXPECT_FALSE(lv.sorted());
}

TEST(ReportListView, SelectionSurvivesAResort)
{
    ReportListView lv;
    lv.setColumnHeaders({"Testo", "Chiave"});
    riempi(lv);
    lv.setCurrentItem(lv.item(2));
    EXPECT_EQ(lv.selectedItem()->text(0), "b");
    lv.setSortKey(1);
    lv.setSorted(true);
    ASSERT_NE(lv.selectedItem(), nullptr);
    EXPECT_EQ(lv.selectedItem()->text(0), "b");
    lv.clear();
    EXPECT_EQ(lv.count(), 0);
    EXPECT_EQ(lv.selectedItem(), nullptr);
}

} // namespace
