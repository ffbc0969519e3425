#include "widgets/table_list_page.h"

#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <vector>

#include "widgets/choice_list.h"
#include "widgets/focus_hint_filter.h"
#include "widgets/mnemonic_text.h"

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

TableListPage::TableListPage(ShellContext& context, const QString& caption, const char* listName,
                             std::string_view hint, Moves moves, QWidget* parent)
    : TalvexPage(context, caption, parent), list_(new QListWidget(this))
{
    list_->setObjectName(QString::fromLatin1(listName));
    list_->setAccessibleName(caption);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setTextElideMode(Qt::ElideNone);
    (new FocusHintFilter(context, this))->watchFocus(list_, hint);

    auto* buttons = new QVBoxLayout;
    const auto add = [&](const QString& text, const char* name, auto command) {
        auto* button = NamedButton<QPushButton>(text, name, this);
        // Return on a focused button presses that button, not the sheet's OK.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, command);
        buttons->addWidget(button);
    };
    add(QStringLiteral("&Add..."), "addButton", [this] { addEntry(); });
    add(QStringLiteral("&Edit..."), "editButton", [this] { editEntry(); });
    add(QStringLiteral("&Delete"), "deleteButton", [this] { deleteSelected(); });
    if (moves == Moves::UpDown) {
        add(QStringLiteral("&Up"), "upButton", [this] { moveCaret(MoveStep::Up); });
        add(QStringLiteral("D&n"), "downButton", [this] { moveCaret(MoveStep::Down); });
    }
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { editEntry(); });
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
}

bool TableListPage::eventFilter(QObject* watched, QEvent* event)
{
    // On the list, Return is "Edit..." (as a double-click) and Delete is
    // "Delete"; neither reaches the sheet.
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            editEntry();
            return true;
        }
        if (plain && key.key() == Qt::Key_Delete) {
            deleteSelected();
            return true;
        }
    }
    if (watched == list_->viewport() && event->type() == QEvent::ToolTip) {
        ShowWholeLineTip(*list_, *static_cast<QHelpEvent*>(event));
        return true;
    }
    return TalvexPage::eventFilter(watched, event);
}

void TableListPage::openPage()
{
    list_->setFont(context().listFont());
    renderAllLines();
    // Turning to the page can give the list the focus before it has lines;
    // put the caret where Qt puts it for a list with lines, so it shows.
    if (list_->hasFocus() && list_->currentRow() < 0)
        list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

std::optional<int> TableListPage::moveNeighbour(int, MoveStep) const { return std::nullopt; }

void TableListPage::exchangeEntries(int, int) {}

void TableListPage::renderLine(int entry)
{
    if (QListWidgetItem* item = list_->item(entry))
        item->setText(lineText(entry));
}

void TableListPage::renderAllLines()
{
    const int count = entryCount();
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

void TableListPage::addEntry()
{
    const std::optional<int> entry = lowestUnused();
    if (!entry)
        return;
    list_->setCurrentRow(*entry, QItemSelectionModel::NoUpdate);
    if (!runEditor(*entry))
        return;
    showOnly(*entry);
    afterChange();
}

void TableListPage::editEntry()
{
    const int caret = list_->currentRow();
    if (caret < 0 || caret >= entryCount())
        return;
    if (list_->selectedItems().size() > 1) {
        SelectOnlyItem(*list_, caret);
        return;
    }
    if (!runEditor(caret))
        return;
    showOnly(caret);
    afterChange();
}

void TableListPage::deleteSelected()
{
    std::vector<int> selected;
    for (int line = 0; line < list_->count(); ++line) {
        if (list_->item(line)->isSelected())
            selected.push_back(line);
    }
    const std::optional<int> next = deleteEntries(selected);
    for (int line : selected)
        renderLine(line);
    FitListWidth(*list_);
    if (next)
        SelectOnlyItem(*list_, *next);
    else
        list_->clearSelection();
    context().setModified();
    afterChange();
}

void TableListPage::moveCaret(MoveStep step)
{
    const int caret = list_->currentRow();
    const std::optional<int> neighbour = moveNeighbour(caret, step);
    if (!neighbour)
        return;
    exchangeEntries(caret, *neighbour);
    // The selection follows the moved entry to its new line.
    showOnly(caret);
    showOnly(*neighbour);
    context().setModified();
    afterChange();
}

} // namespace talvex
