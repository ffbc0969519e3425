#pragma once
// What the Priority Queue page's Add, Edit and Delete do to the table and to
// the list's selection, apart from the widgets.
#include <optional>
#include <span>

#include "pages/priq/priq_table.h"

namespace talvex {

// The entry Add opens the editor on: the first whose `flags` word is 0.
// Nothing when every entry is in use.
std::optional<int> FirstUnusedEntry(const PriQTable& table);

enum class EditStep {
    Nothing,          // the caret is outside the table
    SelectCaretOnly,  // several lines are selected: reduce the selection to the caret line
    OpenEditor,       // open the editor on the caret line
};
EditStep DecideEdit(int caretLine, int selectedLineCount);

// Sets the `flags` word of every selected entry to 0, nothing else. The
// result is the line to select afterwards: the line after the lowest deleted
// one (64 after deleting line 63, which selects nothing), or line 0 when no
// line was selected. Line numbers outside the table are ignored.
int DeleteSelectedEntries(PriQTable& table, std::span<const int> selectedLines);

} // namespace talvex
