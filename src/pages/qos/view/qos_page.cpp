#include "pages/qos/view/qos_page.h"

#include <QListWidget>

#include "pages/qos/qos_hints.h"
#include "pages/qos/view/qos_editor_dialog.h"
#include "tables/config_tables.h"

namespace talvex {

CTalvexConfigQos::CTalvexConfigQos(ShellContext& context, QWidget* parent)
    : TableListPage(context, ConfigTableOf(TableKind::Qos),
                    QStringLiteral("Quality of Service (QoS)"), "qosList", QOS_LIST_HINT,
                    &RunEditor<CEditQosDlg>, parent)
{
}

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
