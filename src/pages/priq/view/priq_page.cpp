#include "pages/priq/view/priq_page.h"

#include <QListWidget>

#include "widgets/choice_list.h"
#include "pages/priq/priq_hints.h"
#include "pages/priq/priq_lines.h"
#include "pages/priq/priq_structure.h"
#include "pages/priq/priq_table_ops.h"
#include "pages/priq/view/priq_editor_dialog.h"

namespace talvex {

CTalvexConfigPriQ::CTalvexConfigPriQ(ShellContext& context, QWidget* parent)
    : TableListPage(context, QStringLiteral("Priority Queue"), "priqList", PRIQ_LIST_HINT,
                    Moves::None, parent)
{
}

void CTalvexConfigPriQ::openPage()
{
    list().setFont(context().listFont());
    fullRefresh();
}

int CTalvexConfigPriQ::entryCount() const { return PRIQ_COUNT; }

QString CTalvexConfigPriQ::lineText(int n) const
{
    const auto& entry = context().image().priQTable[static_cast<std::size_t>(n)];
    return QString::fromStdString(PriQLineText(entry, n));
}

std::optional<int> CTalvexConfigPriQ::lowestUnused() const
{
    return FirstUnusedEntry(context().image().priQTable);
}

bool CTalvexConfigPriQ::runEditor(int n)
{
    CEditQueuePriorityDlg editor(context(), n, this);
    return context().RunModal(editor) == QDialog::Accepted;
}

std::optional<int> CTalvexConfigPriQ::deleteEntries(std::span<const int> selected)
{
    // After deleting entry 63 this is line 64: the selection stays as it was.
    return DeleteSelectedEntries(context().image().priQTable, selected);
}

// A change may move the queue numbers and QoS nodes of other entries.
void CTalvexConfigPriQ::afterChange() { fullRefresh(); }

void CTalvexConfigPriQ::fullRefresh()
{
    RunStructurePass(context().image().priQTable);
    const int caret = list().currentRow();
    renderAllLines();
    FitListWidth(list());
    SelectOnlyItem(list(), caret);
}

} // namespace talvex
