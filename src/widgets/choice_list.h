#pragma once
// The list operations every page and editor shares: drop-down choice lists
// filled from a code table and read back as codes, and the two helpers of the
// multi-selection table lists.
#include <cstdint>
#include <span>

#include "config/code_tables.h"

class QComboBox;
class QListWidget;

namespace talvex {

// Empties the drop-down list and makes it a pick list (no typing), then adds
// the text of every row before the end row, sorted by text without regard to
// case. Each item remembers its table row (see ChoiceEntryAt). The item whose
// text begins with the text of the table's first row is selected.
void FillChoiceList(QComboBox& list, std::span<const CodeEntry> table);

// Selects the first item, in list order, whose row has this code. When none
// has, the selection stays as it was.
void SelectChoiceByCode(QComboBox& list, std::uint32_t code);

// The code of the selected item's row; -1 when the list is empty, nothing is
// selected or the selected item has no row.
int SelectedChoiceCode(const QComboBox& list);

// The row of the selected item, or nullptr as above.
const CodeEntry* SelectedChoiceEntry(const QComboBox& list);

// The row remembered by item `index`, or nullptr.
const CodeEntry* ChoiceEntryAt(const QComboBox& list, int index);

// Widens the list's horizontal extent to its widest line plus a tenth of that
// width, measured in the list's font. The extent is never lowered.
void FitListWidth(QListWidget& list);

// The horizontal extent FitListWidth gave the list (0 before the first call).
int ListHorizontalExtent(const QListWidget& list);

// Selects exactly this line, makes it the current line and scrolls it into
// view. A line outside the list changes nothing.
void SelectOnlyItem(QListWidget& list, int line);

} // namespace talvex
