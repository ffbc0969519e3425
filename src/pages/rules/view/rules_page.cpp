#include "pages/rules/view/rules_page.h"

#include <QListWidget>

#include "pages/rules/rule_hints.h"
#include "pages/rules/view/rule_editor_dialog.h"
#include "tables/config_tables.h"

namespace talvex {

CTalvexConfigRules::CTalvexConfigRules(ShellContext& context, QWidget* parent)
    : TableListPage(context, ConfigTableOf(TableKind::Rules), QStringLiteral("Rules"), "ruleList",
                    RULES_HINT, &RunEditor<CEditRuleDlg>, parent)
{
}

void CTalvexConfigRules::openPage()
{
    TableListPage::openPage();
    // The caret starts on the first line, with nothing selected.
    list().setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

} // namespace talvex
