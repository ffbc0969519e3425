#include "config/view/choice_list.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QListWidget>
#include <QVariant>

#include <algorithm>
#include <vector>

namespace talvex {

namespace {

// Each item keeps the address of its constant table row in this role.
constexpr int ROW_ROLE = Qt::UserRole;
// FitListWidth keeps the list's extent in this property.
constexpr char EXTENT_PROPERTY[] = "talvexHorizontalExtent";

QString RowText(const CodeEntry& row)
{
    return QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size()));
}

} // namespace

void FillChoiceList(QComboBox& list, std::span<const CodeEntry> table)
{
    list.clear();
    list.setEditable(false);

    std::vector<const CodeEntry*> rows;
    for (const CodeEntry& row : table) {
        if (row.code == CODE_TABLE_END)
            break;
        rows.push_back(&row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const CodeEntry* a, const CodeEntry* b) {
        return RowText(*a).compare(RowText(*b), Qt::CaseInsensitive) < 0;
    });
    for (const CodeEntry* row : rows)
        list.addItem(RowText(*row), QVariant::fromValue(reinterpret_cast<quintptr>(row)));

    if (rows.empty())
        return;
    const QString first = RowText(table.front());
    for (int i = 0; i < list.count(); ++i) {
        if (list.itemText(i).startsWith(first, Qt::CaseInsensitive)) {
            list.setCurrentIndex(i);
            return;
        }
    }
}

const CodeEntry* ChoiceEntryAt(const QComboBox& list, int index)
{
    if (index < 0 || index >= list.count())
        return nullptr;
    const QVariant data = list.itemData(index, ROW_ROLE);
    if (!data.isValid())
        return nullptr;
    return reinterpret_cast<const CodeEntry*>(data.value<quintptr>());
}

void SelectChoiceByCode(QComboBox& list, std::uint32_t code)
{
    for (int i = 0; i < list.count(); ++i) {
        const CodeEntry* row = ChoiceEntryAt(list, i);
        if (row != nullptr && row->code == code) {
            list.setCurrentIndex(i);
            return;
        }
    }
}

const CodeEntry* SelectedChoiceEntry(const QComboBox& list)
{
    return ChoiceEntryAt(list, list.currentIndex());
}

int SelectedChoiceCode(const QComboBox& list)
{
    const CodeEntry* row = SelectedChoiceEntry(list);
    return row != nullptr ? static_cast<int>(row->code) : -1;
}

void FitListWidth(QListWidget& list)
{
    const QFontMetrics metrics(list.font());
    int widest = 0;
    for (int i = 0; i < list.count(); ++i) {
        const int width = metrics.horizontalAdvance(list.item(i)->text());
        widest = std::max(widest, width + width / 10);
    }
    if (ListHorizontalExtent(list) < widest) {
        list.setProperty(EXTENT_PROPERTY, widest);
        list.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
}

int ListHorizontalExtent(const QListWidget& list)
{
    const QVariant extent = list.property(EXTENT_PROPERTY);
    return extent.isValid() ? extent.toInt() : 0;
}

void SelectOnlyItem(QListWidget& list, int line)
{
    if (line < 0 || line >= list.count())
        return;
    QListWidgetItem* item = list.item(line);
    list.clearSelection();
    item->setSelected(true);
    list.setCurrentItem(item, QItemSelectionModel::NoUpdate);
    list.scrollToItem(item);
}

} // namespace talvex
