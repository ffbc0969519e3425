#include "pages/rules/view/rules_page.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "config/view/choice_list.h"
#include "pages/rules/rule_hints.h"
#include "pages/rules/rule_line.h"
#include "pages/rules/rule_table_ops.h"
#include "pages/rules/view/rule_editor_dialog.h"
#include "pages/rules/view/view_text.h"

namespace talvex {

namespace {

QPushButton* CommandButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAccessibleName(text);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CTalvexConfigRules::CTalvexConfigRules(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Rules"), parent), list_(new QListWidget(this)),
      add_(CommandButton(QStringLiteral("Add..."), this)),
      edit_(CommandButton(QStringLiteral("Edit..."), this)),
      delete_(CommandButton(QStringLiteral("Delete"), this)),
      up_(CommandButton(QStringLiteral("Up"), this)), down_(CommandButton(QStringLiteral("Dn"), this))
{
    list_->setAccessibleName(QStringLiteral("Rules"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setTextElideMode(Qt::ElideNone);
    list_->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add_, edit_, delete_, up_, down_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(add_, &QPushButton::clicked, this, &CTalvexConfigRules::addRule);
    connect(edit_, &QPushButton::clicked, this, &CTalvexConfigRules::editRule);
    connect(delete_, &QPushButton::clicked, this, &CTalvexConfigRules::deleteRules);
    connect(up_, &QPushButton::clicked, this, &CTalvexConfigRules::moveUp);
    connect(down_, &QPushButton::clicked, this, &CTalvexConfigRules::moveDown);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CTalvexConfigRules::editRule);
}

void CTalvexConfigRules::openPage()
{
    list_->setFont(context().listFont());
    StampRuleNumbers(context().image().ruleTable);
    list_->clear();
    for (int s = 0; s < RULE_COUNT; ++s)
        list_->addItem(QString());
    rebuildAllLines();
    // The caret starts on the first line, with nothing selected.
    list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void CTalvexConfigRules::pageActivated()
{
    // The other pages rewrite rule parameters when they move their entries;
    // show the rules as they are now. Selection and caret stay as they were.
    rebuildAllLines();
}

bool CTalvexConfigRules::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::FocusIn)
        context().ShowHint(ToQString(RULES_HINT));
    return TalvexPage::eventFilter(watched, event);
}

void CTalvexConfigRules::rebuildLine(int slot)
{
    QListWidgetItem* item = list_->item(slot);
    if (item == nullptr)
        return;
    const RuleRecord& rule = context().image().ruleTable[static_cast<std::size_t>(slot)];
    item->setText(ToQString(RuleLineText(rule, slot)));
}

void CTalvexConfigRules::rebuildAllLines()
{
    for (int s = 0; s < list_->count(); ++s)
        rebuildLine(s);
    FitListWidth(*list_);
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

void CTalvexConfigRules::addRule()
{
    const auto slot = LowestUnusedRule(context().image().ruleTable);
    if (!slot)
        return;
    list_->setCurrentRow(*slot, QItemSelectionModel::NoUpdate);
    if (!runEditor(*slot))
        return;
    rebuildLine(*slot);
    FitListWidth(*list_);
    SelectOnlyItem(*list_, *slot);
}

void CTalvexConfigRules::editRule()
{
    const int slot = list_->currentRow();
    if (slot < 0)
        return;
    if (list_->selectedItems().size() > 1) {
        SelectOnlyItem(*list_, slot);
        return;
    }
    if (!runEditor(slot))
        return;
    rebuildLine(slot);
    FitListWidth(*list_);
    SelectOnlyItem(*list_, slot);
}

void CTalvexConfigRules::deleteRules()
{
    std::vector<int> selected;
    for (int s = 0; s < list_->count(); ++s) {
        if (list_->item(s)->isSelected())
            selected.push_back(s);
    }
    const auto next = DeleteRules(context().image().ruleTable, selected);
    for (int s : selected)
        rebuildLine(s);
    FitListWidth(*list_);
    if (next)
        SelectOnlyItem(*list_, *next);
    else
        list_->clearSelection();
    context().setModified();
}

void CTalvexConfigRules::moveUp()
{
    const int caret = list_->currentRow();
    if (const auto other = RuleAbove(caret))
        exchangeWith(caret, *other);
}

void CTalvexConfigRules::moveDown()
{
    const int caret = list_->currentRow();
    if (const auto other = RuleBelow(caret))
        exchangeWith(caret, *other);
}

void CTalvexConfigRules::exchangeWith(int caret, int other)
{
    ExchangeRules(context().image().ruleTable, caret, other);
    rebuildLine(caret);
    rebuildLine(other);
    FitListWidth(*list_);
    SelectOnlyItem(*list_, other);
    context().setModified();
}

} // namespace talvex
