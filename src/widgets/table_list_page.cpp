#include "widgets/table_list_page.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <vector>

#include "widgets/choice_list.h"
#include "widgets/focus_hint_filter.h"
#include "widgets/mnemonic_text.h"
#include "widgets/view_text.h"

namespace talvex {

namespace {

// A line wider than the list shows its whole text as a tooltip.
void ShowWholeLineTip(QListWidget& list, const QHelpEvent& help)
{
    const QListWidgetItem* item = list.itemAt(help.pos());
    if (item != nullptr
        && QFontMetrics(list.font()).horizontalAdvance(item->text()) > list.viewport()->width())
        QToolTip::showText(help.globalPos(), item->text(), list.viewport(),
                           list.visualItemRect(item));
    else
        QToolTip::hideText();
}

} // namespace

TableListPage::TableListPage(ShellContext& context, const ConfigTable& table,
                             std::string_view hint, EditorRun runEditor, QWidget* parent)
    : TalvexPage(context, ToQString(table.facts().pageCaption), parent), table_(table),
      runEditor_(runEditor), list_(new QListWidget(this))
{
    list_->setObjectName(ToQString(table.facts().listName));
    list_->setAccessibleName(caption());
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setTextElideMode(Qt::ElideNone);
    (new FocusHintFilter(context, this))->watchFocus(list_, hint);

    auto* buttons = new QVBoxLayout;
    makeCommands(*buttons);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { editEntry(); });
    list_->viewport()->installEventFilter(this);
}

const std::vector<TableListPage::Command>& TableListPage::commands()
{
    static const std::vector<Command> COMMANDS{
        {"&Add...", "addButton", {}, false, &TableListPage::addEntry},
        {"&Edit...", "editButton", {Qt::Key_Return, Qt::Key_Enter}, false,
         &TableListPage::editEntry},
        {"Dup&licate", nullptr, {Qt::CTRL | Qt::Key_D}, false, &TableListPage::duplicateEntry},
        {"&Delete", "deleteButton", {Qt::Key_Delete}, false, &TableListPage::deleteSelected,
         &TableListPage::hasSelection},
        {"&Up", "upButton", {}, true, &TableListPage::moveUp},
        {"D&n", "downButton", {}, true, &TableListPage::moveDown},
        {"&Copy", nullptr, {QKeySequence::Copy}, false, &TableListPage::copySelected},
    };
    return COMMANDS;
}

void TableListPage::makeCommands(QLayout& buttons)
{
    for (const Command& command : commands()) {
        if (command.movesOnly && !table_.moves())
            continue;
        const auto run = [this, &command] { (this->*command.run)(); };
        if (command.objectName != nullptr) {
            auto* button = NamedButton<QPushButton>(QString::fromUtf8(command.text),
                                                    command.objectName, this);
            // Return on a focused button presses that button, not the sheet's OK.
            button->setAutoDefault(true);
            connect(button, &QPushButton::clicked, this, run);
            buttons.addWidget(button);
        }
        // The context menu's entry, with the keys shown beside it.
        QString text = QString::fromUtf8(command.text);
        if (!command.keys.isEmpty())
            text += u'\t' + command.keys.constFirst().toString(QKeySequence::NativeText);
        auto* entry = new QAction(text, this);
        connect(entry, &QAction::triggered, this, run);
        menuActions_.append(entry);
        if (command.keys.isEmpty())
            continue;
        // The keys work while the list has the focus, and never reach the sheet.
        auto* keys = new QAction(list_);
        keys->setShortcuts(command.keys);
        keys->setShortcutContext(Qt::WidgetShortcut);
        connect(keys, &QAction::triggered, this, [this, &command, run] {
            if (command.keysWork == nullptr || (this->*command.keysWork)())
                run();
        });
        list_->addAction(keys);
    }
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addActions(menuActions_);
        menu.exec(list_->viewport()->mapToGlobal(at));
    });
}

void TableListPage::addMenuActions(const QList<QAction*>& actions)
{
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    menuActions_.append(separator);
    menuActions_.append(actions);
}

bool TableListPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_->viewport() && event->type() == QEvent::ToolTip) {
        ShowWholeLineTip(*list_, *static_cast<QHelpEvent*>(event));
        return true;
    }
    return TalvexPage::eventFilter(watched, event);
}

void TableListPage::openPage()
{
    list_->setFont(context().listFont());
    table_.deriveOnOpen(context().image());
    apply(table_.openUpdate());
    // Turning to the page can give the list the focus before it has lines;
    // put the caret where Qt puts it for a list with lines, so it shows.
    if (list_->hasFocus() && list_->currentRow() < 0)
        list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void TableListPage::pageActivated() { apply(table_.activateUpdate()); }

QString TableListPage::lineText(int entry) const
{
    return QString::fromStdString(table_.lineText(context().image(), entry));
}

void TableListPage::renderLine(int entry)
{
    if (QListWidgetItem* item = list_->item(entry))
        item->setText(lineText(entry));
}

void TableListPage::renderAllLines()
{
    const int count = table_.entryCount();
    while (list_->count() < count)
        list_->addItem(QString());
    for (int entry = 0; entry < count; ++entry)
        list_->item(entry)->setText(lineText(entry));
}

void TableListPage::showOnly(int entry)
{
    renderLine(entry);
    FitListWidth(*list_);
    SelectOnlyItem(*list_, entry);
}

void TableListPage::apply(const ListUpdate& update)
{
    const int caret = list_->currentRow();
    if (update.allLines)
        renderAllLines();
    if (update.fitWidth)
        FitListWidth(*list_);
    if (update.caretOnly)
        SelectOnlyItem(*list_, caret);
}

void TableListPage::afterChange()
{
    table_.deriveAfterChange(context().image());
    apply(table_.changeUpdate());
}

std::vector<int> TableListPage::selectedEntries() const
{
    std::vector<int> selected;
    for (int line = 0; line < list_->count(); ++line) {
        if (list_->item(line)->isSelected())
            selected.push_back(line);
    }
    return selected;
}

bool TableListPage::hasSelection() const { return !list_->selectedItems().isEmpty(); }

void TableListPage::runEditorOn(int entry, const char* verb)
{
    const ConfigImage before = context().image();
    if (!runEditor_(context(), entry, this))
        return;
    showOnly(entry);
    afterChange();
    context().recordChange(before, {verb, table_.kind(), {entry}, {entry}});
}

void TableListPage::addEntry()
{
    const std::optional<int> entry = table_.firstUnused(context().image());
    if (!entry)
        return;
    list_->setCurrentRow(*entry, QItemSelectionModel::NoUpdate);
    runEditorOn(*entry, "Add");
}

void TableListPage::editEntry()
{
    const int caret = list_->currentRow();
    switch (table_.decideEdit(caret, static_cast<int>(list_->selectedItems().size()))) {
    case EditStep::Nothing:
        return;
    case EditStep::SelectCaretOnly:
        SelectOnlyItem(*list_, caret);
        return;
    case EditStep::OpenEditor:
        runEditorOn(caret, "Edit");
        return;
    }
}

// The caret's entry, when it is the one selected line, copied into the
// lowest unused entry, which becomes the only selected line.
void TableListPage::duplicateEntry()
{
    const int caret = list_->currentRow();
    if (table_.decideEdit(caret, static_cast<int>(list_->selectedItems().size()))
        != EditStep::OpenEditor)
        return;
    const ConfigImage before = context().image();
    const std::optional<int> copy = table_.duplicate(context().image(), caret);
    if (!copy)
        return;
    showOnly(*copy);
    afterChange();
    context().recordChange(before, {"Duplicate", table_.kind(), {caret}, {*copy}});
}

void TableListPage::deleteSelected()
{
    const ConfigImage before = context().image();
    const DeleteResult result = table_.deleteEntries(context().image(), selectedEntries());
    for (int line : result.emptied)
        renderLine(line);
    FitListWidth(*list_);
    switch (result.select) {
    case SelectAfter::OnlyLine:
        SelectOnlyItem(*list_, result.line);
        break;
    case SelectAfter::NoLine:
        list_->clearSelection();
        break;
    case SelectAfter::Unchanged:
        break;
    }
    afterChange();
    std::vector<int> emptied(result.emptied.rbegin(), result.emptied.rend());
    context().recordChange(before, {"Delete", table_.kind(), emptied, emptied});
}

void TableListPage::moveCaret(MoveStep step)
{
    const int caret = list_->currentRow();
    const std::optional<int> neighbour = table_.neighbour(caret, step);
    if (!neighbour)
        return;
    const ConfigImage before = context().image();
    const RewrittenEntries rewritten = table_.exchange(context().image(), caret, *neighbour);
    // Lines of this table whose references the exchange renumbered show the
    // new numbers at once; the two moved lines are drawn by the move itself.
    const RewrittenEntries::Entries& lines = rewritten.of(table_.kind());
    for (int entry = 0; entry < table_.entryCount(); ++entry) {
        if (lines.test(static_cast<std::size_t>(entry)) && entry != caret && entry != *neighbour)
            renderLine(entry);
    }
    // The selection follows the moved entry to its new line.
    showOnly(caret);
    showOnly(*neighbour);
    afterChange();
    context().recordChange(before, {step == MoveStep::Up ? "Up" : "Dn", table_.kind(), {caret},
                                    {*neighbour}});
}

void TableListPage::copySelected()
{
    const std::vector<int> selected = selectedEntries();
    if (selected.empty())
        return;
    const std::string text = context().entriesText(table_.kind(), selected);
    if (!text.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TableListPage::renderEntries(const std::vector<int>& entries)
{
    if (list_->count() < table_.entryCount())
        return;  // not drawn yet: opening the page draws every line
    for (int entry : entries)
        renderLine(entry);
    FitListWidth(*list_);
}

void TableListPage::selectEntries(const std::vector<int>& entries)
{
    activate();
    list_->clearSelection();
    for (int entry : entries) {
        if (QListWidgetItem* item = list_->item(entry))
            item->setSelected(true);
    }
    if (!entries.empty())
        list_->setCurrentRow(entries.front(), QItemSelectionModel::NoUpdate);
    list_->setFocus();
}

} // namespace talvex
