#include "pages/rules/view/rules_page.h"

#include <QListWidget>

#include "widgets/choice_list.h"
#include "pages/rules/rule_hints.h"
#include "pages/rules/rule_line.h"
#include "pages/rules/rule_table_ops.h"
#include "pages/rules/view/rule_editor_dialog.h"
#include "pages/rules/view/view_text.h"

namespace talvex {

CTalvexConfigRules::CTalvexConfigRules(ShellContext& context, QWidget* parent)
    : TableListPage(context, QStringLiteral("Rules"), "ruleList", RULES_HINT, Moves::UpDown,
                    parent)
{
}

void CTalvexConfigRules::openPage()
{
    StampRuleNumbers(context().image().ruleTable);
    TableListPage::openPage();
    FitListWidth(list());
    // The caret starts on the first line, with nothing selected.
    list().setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void CTalvexConfigRules::pageActivated()
{
    // The other pages rewrite rule parameters when they move their entries;
    // show the rules as they are now. Selection and caret stay as they were.
    renderAllLines();
    FitListWidth(list());
}

int CTalvexConfigRules::entryCount() const { return RULE_COUNT; }

QString CTalvexConfigRules::lineText(int slot) const
{
    const RuleRecord& rule = context().image().ruleTable[static_cast<std::size_t>(slot)];
    return ToQString(RuleLineText(rule, slot));
}

std::optional<int> CTalvexConfigRules::lowestUnused() const
{
    return LowestUnusedRule(context().image().ruleTable);
}

bool CTalvexConfigRules::runEditor(int slot)
{
    RuleEditorDialog editor(context(), slot, this);
    if (context().RunModal(editor) == QDialog::Accepted)
        return true;
    // However the run ended, an editor that was not accepted gives the
    // record back (putting the copy back twice changes nothing).
    editor.reject();
    return false;
}

std::optional<int> CTalvexConfigRules::deleteEntries(std::span<const int> selected)
{
    return DeleteRules(context().image().ruleTable, selected);
}

std::optional<int> CTalvexConfigRules::moveNeighbour(int caret, MoveStep step) const
{
    return step == MoveStep::Up ? RuleAbove(caret) : RuleBelow(caret);
}

void CTalvexConfigRules::exchangeEntries(int a, int b)
{
    // Rules that name a or b were renumbered: their lines show the new numbers
    // at once. Lines a and b are drawn again by the move itself.
    const auto changed = ExchangeRules(context().image(), a, b);
    for (int slot = 0; slot < RULE_COUNT; ++slot) {
        if (changed.test(static_cast<std::size_t>(slot)) && slot != a && slot != b)
            renderLine(slot);
    }
}

} // namespace talvex
