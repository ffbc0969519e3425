#include "pages/rules/view/rules_page.h"

#include <QListWidget>

#include "pages/rules/rule_config_table.h"
#include "pages/rules/rule_hints.h"
#include "pages/rules/view/rule_editor_dialog.h"

namespace talvex {

CTalvexConfigRules::CTalvexConfigRules(ShellContext& context, QWidget* parent)
    : TableListPage(context, TableObject<RuleConfigTable>(), RULES_HINT, &RunEditor<CEditRuleDlg>,
                    parent)
{
}

void CTalvexConfigRules::openPage()
{
    TableListPage::openPage();
    // The caret starts on the first line, with nothing selected.
    list().setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

} // namespace talvex
