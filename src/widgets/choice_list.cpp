#include "widgets/choice_list.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QListWidget>
#include <QStyleOptionViewItem>
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

namespace {

// Each line remembers the width it was measured at, with the text and font it
// was measured for, so a refresh after an edit measures only the changed lines.
constexpr int MEASURED_TEXT_ROLE = Qt::UserRole + 1;
constexpr int MEASURED_WIDTH_ROLE = Qt::UserRole + 2;
constexpr const char* MEASURED_FONT_PROPERTY = "talvexMeasuredFont";

int LineWidth(const QFontMetrics& metrics, QListWidgetItem& item, bool cacheValid)
{
    const QString text = item.text();
    if (cacheValid && item.data(MEASURED_TEXT_ROLE).toString() == text) {
        const QVariant width = item.data(MEASURED_WIDTH_ROLE);
        if (width.isValid())
            return width.toInt();
    }
    const int width = metrics.horizontalAdvance(text);
    item.setData(MEASURED_TEXT_ROLE, text);
    item.setData(MEASURED_WIDTH_ROLE, width);
    return width;
}

} // namespace

void FitListWidth(QListWidget& list)
{
    const QFontMetrics metrics(list.font());
    const QString fontKey = list.font().key();
    const bool cacheValid = list.property(MEASURED_FONT_PROPERTY).toString() == fontKey;
    list.setProperty(MEASURED_FONT_PROPERTY, fontKey);
    int widest = 0;
    for (int i = 0; i < list.count(); ++i) {
        const int width = LineWidth(metrics, *list.item(i), cacheValid);
        widest = std::max(widest, width + width / 10);
    }
    if (ListHorizontalExtent(list) < widest) {
        list.setProperty(EXTENT_PROPERTY, widest);
        list.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    // All lines share one height and the horizontal extent. With uniform line
    // sizes the view takes the size of the last line for every line, so that
    // line carries the extent; the view then neither measures every line again
    // on each change nor scrolls less far than the extent.
    if (list.count() > 0) {
        QListWidgetItem* last = list.item(list.count() - 1);
        QStyleOptionViewItem option;
        option.initFrom(&list);
        option.font = list.font();
        const QModelIndex index = list.model()->index(list.count() - 1, 0);
        const int rowHeight = last->sizeHint().isValid()
            ? last->sizeHint().height()
            : list.itemDelegate()->sizeHint(option, index).height();
        const QSize lineSize(ListHorizontalExtent(list), rowHeight);
        if (last->sizeHint() != lineSize || !list.uniformItemSizes()) {
            last->setSizeHint(lineSize);
            list.setUniformItemSizes(true);
            list.doItemsLayout();  // forgets the line size the view had taken
        }
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
