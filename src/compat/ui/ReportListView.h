#pragma once
// A list view in report view: rows of a text and sub-items, a tag per row,
// no in-place editing. While Sorted, the rows stand in the order of the key
// column's text (ordinal, case-insensitive), equal keys in insertion order;
// a header click never sorts by itself.
#include <QString>
#include <QStringList>
#include <QTreeWidget>

namespace compat {

class ReportListView : public QTreeWidget {
public:
    explicit ReportListView(QWidget* parent = nullptr);

    // Column headers 1..n, as the original numbers them.
    void setColumnHeaders(const QStringList& headers);
    QString columnHeader(int i) const;
    void setColumnHeader(int i, const QString& text);

    // ListItems.Add: a new row with its text, placed by the sort while Sorted.
    QTreeWidgetItem* addItem(const QString& text);
    // SubItems(i) = text (i >= 1); a change of the key cell re-places the row.
    void setSubItem(QTreeWidgetItem* row, int i, const QString& text);
    static QString subItem(const QTreeWidgetItem* row, int i);
    static QString tag(const QTreeWidgetItem* row);
    static void setTag(QTreeWidgetItem* row, const QString& tag);

    // ListItems(i), 1-based in display order; nullptr outside 1..count().
    QTreeWidgetItem* item(int i) const;
    QTreeWidgetItem* selectedItem() const;
    int count() const { return topLevelItemCount(); }

    bool sorted() const { return sorted_; }
    int sortKey() const { return sortKey_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }
    void setSorted(bool sorted);
    void setSortKey(int column);
    void setSortOrder(Qt::SortOrder order);

private:
    // Where `row` goes among the other rows.
    int insertionPoint(const QTreeWidgetItem* row) const;
    // Key order, then the order in which the rows were added.
    bool before(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const;
    void place(QTreeWidgetItem* row);
    void resort();

    qulonglong added_ = 0;
    bool sorted_ = false;
    int sortKey_ = 0;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace compat
