#include "compat/ui/ReportListView.h"

#include <QHeaderView>
#include <algorithm>

namespace compat {

namespace {
// When the row was added, so that equal keys stand in that order whatever
// the earlier sorts did.
constexpr int kAddedRole = Qt::UserRole + 1;
}

ReportListView::ReportListView(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Qt's own sorting stays off: the order is ours.
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
}

void ReportListView::setColumnHeaders(const QStringList& headers)
{
    setColumnCount(static_cast<int>(headers.size()));
    setHeaderLabels(headers);
}

QString ReportListView::columnHeader(int i) const
{
    return headerItem()->text(i - 1);
}

void ReportListView::setColumnHeader(int i, const QString& text)
{
    headerItem()->setText(i - 1, text);
}

QTreeWidgetItem* ReportListView::addItem(const QString& text)
{
    auto* row = new QTreeWidgetItem;
    row->setText(0, text);
    row->setData(0, kAddedRole, ++added_);
    if (sorted_)
        insertTopLevelItem(insertionPoint(row), row);
    else
        addTopLevelItem(row);
    return row;
}

void ReportListView::setSubItem(QTreeWidgetItem* row, int i, const QString& text)
{
    if (!row || i < 1)
        return;
    if (i >= columnCount())
        setColumnCount(i + 1);
    row->setText(i, text);
    if (sorted_ && i == sortKey_)
        place(row);
}

QString ReportListView::subItem(const QTreeWidgetItem* row, int i)
{
    return row ? row->text(i) : QString();
}

QString ReportListView::tag(const QTreeWidgetItem* row)
{
    return row ? row->data(0, Qt::UserRole).toString() : QString();
}

void ReportListView::setTag(QTreeWidgetItem* row, const QString& tag)
{
    if (row)
        row->setData(0, Qt::UserRole, tag);
}

QTreeWidgetItem* ReportListView::item(int i) const
{
    return i >= 1 && i <= count() ? topLevelItem(i - 1) : nullptr;
}

QTreeWidgetItem* ReportListView::selectedItem() const
{
    const QList<QTreeWidgetItem*> scelti = selectedItems();
    return scelti.isEmpty() ? nullptr : scelti.first();
}

void ReportListView::setSorted(bool sorted)
{
    if (sorted_ == sorted)
        return;
    sorted_ = sorted;
    resort();
}

void ReportListView::setSortKey(int column)
{
    if (sortKey_ == column)
        return;
    sortKey_ = column;
    resort();
}

void ReportListView::setSortOrder(Qt::SortOrder order)
{
    if (sortOrder_ == order)
        return;
    sortOrder_ = order;
    resort();
}

bool ReportListView::before(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const
{
    const int c = QString::compare(a->text(sortKey_), b->text(sortKey_), Qt::CaseInsensitive);
    if (c != 0)
        return sortOrder_ == Qt::AscendingOrder ? c < 0 : c > 0;
    return a->data(0, kAddedRole).toULongLong() < b->data(0, kAddedRole).toULongLong();
}

int ReportListView::insertionPoint(const QTreeWidgetItem* row) const
{
    // Binary search over the rows other than `row` itself (when re-placed).
    const int n = count();
    const int skipAt = indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(row));
    const int m = skipAt >= 0 ? n - 1 : n;
    auto at = [&](int k) { return topLevelItem(skipAt >= 0 && k >= skipAt ? k + 1 : k); };
    int lo = 0, hi = m;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (before(row, at(mid)))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

void ReportListView::place(QTreeWidgetItem* row)
{
    const int from = indexOfTopLevelItem(row);
    if (from < 0)
        return;
    const int to = insertionPoint(row);
    if (to == from)
        return;
    const bool selected = row->isSelected();
    const bool current = currentItem() == row;
    takeTopLevelItem(from);
    insertTopLevelItem(to, row);
    if (current)
        setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
    row->setSelected(selected);
}

void ReportListView::resort()
{
    if (!sorted_ || count() < 2)
        return;
    QTreeWidgetItem* current = currentItem();
    const QList<QTreeWidgetItem*> selected = selectedItems();
    QList<QTreeWidgetItem*> rows = invisibleRootItem()->takeChildren();
    std::stable_sort(rows.begin(), rows.end(),
                     [this](QTreeWidgetItem* a, QTreeWidgetItem* b) { return before(a, b); });
    addTopLevelItems(rows);
    if (current)
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem* r : selected)
        r->setSelected(true);
}

} // namespace compat
