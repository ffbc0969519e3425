#include "pages/qos/view/qos_page.h"

#include <QListWidget>

#include "pages/qos/qos_hints.h"
#include "pages/qos/qos_line.h"
#include "pages/qos/qos_table.h"
#include "pages/qos/view/qos_editor_dialog.h"

namespace talvex {

CTalvexConfigQos::CTalvexConfigQos(ShellContext& context, QWidget* parent)
    : TableListPage(context, QStringLiteral("Quality of Service (QoS)"), "qosList", QOS_LIST_HINT,
                    Moves::UpDown, parent)
{
}

int CTalvexConfigQos::entryCount() const { return QOS_COUNT; }

QString CTalvexConfigQos::lineText(int entry) const
{
    return QString::fromStdString(QosLineText(context().image(), static_cast<std::uint32_t>(entry)));
}

std::optional<int> CTalvexConfigQos::lowestUnused() const
{
    return LowestEmptyQos(context().image());
}

bool CTalvexConfigQos::runEditor(int entry)
{
    CEditQosDlg dialog(context(), entry, this);
    return context().RunModal(dialog) == QDialog::Accepted;
}

std::optional<int> CTalvexConfigQos::deleteEntries(std::span<const int> selected)
{
    // After deleting entry 63 this is line 64: the selection stays as it was.
    return DeleteQosEntries(context().image(), selected).lineToSelect;
}

std::optional<int> CTalvexConfigQos::moveNeighbour(int caret, MoveStep step) const
{
    return QosMoveNeighbour(caret, step == MoveStep::Up ? QosMove::Up : QosMove::Down);
}

void CTalvexConfigQos::exchangeEntries(int a, int b) { ExchangeQosNodes(context().image(), a, b); }

void CTalvexConfigQos::renderLine(int entry)
{
    QListWidget& lines = list();
    if (entry < 0 || entry >= lines.count())
        return;
    const bool wasCaret = lines.currentRow() == entry;
    const bool wasSelected = lines.item(entry)->isSelected();
    delete lines.takeItem(entry);
    lines.insertItem(entry, lineText(entry));
    lines.item(entry)->setSelected(wasSelected);
    if (wasCaret)
        lines.setCurrentRow(entry, QItemSelectionModel::NoUpdate);
}

} // namespace talvex
