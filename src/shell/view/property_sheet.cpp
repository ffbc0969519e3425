#include "shell/view/property_sheet.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "shell/shell_names.h"
#include "widgets/mnemonic_text.h"
#include "widgets/table_list_page.h"
#include "widgets/view_text.h"

namespace talvex {

namespace {

// A sheet command: its key or keys, on the whole sheet.
QAction* SheetAction(QWidget& sheet, const QString& text, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(text, &sheet);
    action->setShortcuts(keys);
    sheet.addAction(action);
    return action;
}

} // namespace

CTalvexPropertySheet::CTalvexPropertySheet(ShellContext& context, std::string fileName,
                                           std::vector<TalvexPage*> pages, SaveFunction save,
                                           QWidget* parent)
    : QDialog(parent), context_(context), fileName_(std::move(fileName)), pages_(std::move(pages)),
      save_(std::move(save)), savedImage_(context.image()), tabs_(new QTabWidget(this))
{
    showCaption();
    for (TalvexPage* page : pages_)
        tabs_->addTab(page, page->caption());
    QDialogButtonBox* buttons = makeButtons();
    makeActions();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    resize(820, 600);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (isVisible())
            activateCurrent();
    });
    context_.setHistory(&history_);
    context_.setChangeListener([this] { refreshChangedState(); });
    refreshChangedState();
}

CTalvexPropertySheet::~CTalvexPropertySheet()
{
    context_.setChangeListener({});
    context_.setHistory(nullptr);
}

QDialogButtonBox* CTalvexPropertySheet::makeButtons()
{
    auto* buttons = new QDialogButtonBox(this);
    const auto add = [buttons](const char* text, const char* name,
                               QDialogButtonBox::ButtonRole role) {
        auto* button = NamedButton<QPushButton>(QString::fromUtf8(text), name, buttons);
        buttons->addButton(button, role);
        return button;
    };
    undoButton_ = add("Und&o", "undoButton", QDialogButtonBox::ResetRole);
    redoButton_ = add("&Redo", "redoButton", QDialogButtonBox::ResetRole);
    add("OK", "okButton", QDialogButtonBox::AcceptRole);
    add("Cancel", "cancelButton", QDialogButtonBox::RejectRole);
    applyButton_ = add("A&pply", "applyButton", QDialogButtonBox::ApplyRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTalvexPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTalvexPropertySheet::reject);
    connect(undoButton_, &QPushButton::clicked, this, &CTalvexPropertySheet::undo);
    connect(redoButton_, &QPushButton::clicked, this, &CTalvexPropertySheet::redo);
    connect(applyButton_, &QPushButton::clicked, this, &CTalvexPropertySheet::save);
    return buttons;
}

void CTalvexPropertySheet::makeActions()
{
    undoAction_ = SheetAction(*this, QStringLiteral("Undo"), {QKeySequence::Undo});
    redoAction_ = SheetAction(*this, QStringLiteral("Redo"),
                              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                               QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QAction* saveAction = SheetAction(*this, QStringLiteral("Save"), {QKeySequence::Save});
    QAction* saveAsAction = SheetAction(*this, QStringLiteral("Save As..."),
                                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    connect(undoAction_, &QAction::triggered, this, &CTalvexPropertySheet::undo);
    connect(redoAction_, &QAction::triggered, this, &CTalvexPropertySheet::redo);
    connect(saveAction, &QAction::triggered, this, &CTalvexPropertySheet::save);
    connect(saveAsAction, &QAction::triggered, this, &CTalvexPropertySheet::saveAs);
    undoButton_->setToolTip(QStringLiteral("Undo (%1)").arg(
        undoAction_->shortcut().toString(QKeySequence::NativeText)));
    redoButton_->setToolTip(QStringLiteral("Redo (%1)").arg(
        redoAction_->shortcut().toString(QKeySequence::NativeText)));
    for (TalvexPage* page : pages_) {
        if (auto* list = qobject_cast<TableListPage*>(page))
            list->addMenuActions({undoAction_, redoAction_});
    }
}

void CTalvexPropertySheet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activateCurrent();
    for (auto& action : std::exchange(afterShown_, {}))
        QTimer::singleShot(0, this, std::move(action));
}

// Return presses OK, Apply or Cancel only when that button has the focus
// (a focused button is the default one); on the tab bar, a page's empty
// area or a control that has no use for it, it does nothing.
void CTalvexPropertySheet::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QPushButton*>(focusWidget()) == nullptr) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CTalvexPropertySheet::activateCurrent()
{
    const int index = tabs_->currentIndex();
    if (index >= 0 && index < static_cast<int>(pages_.size()))
        pages_[static_cast<std::size_t>(index)]->activate();
}

TableListPage* CTalvexPropertySheet::pageOf(TableKind table) const
{
    for (TalvexPage* page : pages_) {
        if (auto* list = qobject_cast<TableListPage*>(page); list && list->table() == table)
            return list;
    }
    return nullptr;
}

void CTalvexPropertySheet::showEntries(TableKind table, const std::vector<int>& entries)
{
    if (TableListPage* page = pageOf(table)) {
        tabs_->setCurrentWidget(page);
        page->selectEntries(entries);
    }
}

void CTalvexPropertySheet::accept()
{
    if (context_.isModified() && save_ && !SaveOrSaveAs(context_, *this, fileName_, save_))
        return;
    QDialog::accept();
}

// Cancel, Escape and the window's close button all end here.
void CTalvexPropertySheet::reject()
{
    if (context_.isModified() && !ConfirmDiscard(context_, *this, fileName_))
        return;
    QDialog::reject();
}

void CTalvexPropertySheet::save()
{
    if (!context_.isModified() || !save_)
        return;
    if (const auto target = SaveOrSaveAs(context_, *this, fileName_, save_))
        saved(*target);
}

void CTalvexPropertySheet::saveAs()
{
    if (!save_)
        return;
    if (const auto target = SaveAs(context_, *this, fileName_, save_))
        saved(*target);
}

void CTalvexPropertySheet::saved(const std::string& target)
{
    fileName_ = target;
    showCaption();
    savedImage_.markSaved(context_.image());
    refreshChangedState();
    context_.ShowHint(QStringLiteral("Saved to \"%1\".").arg(ToQString(fileName_)));
}

// The file's caption, with the place of the changed mark.
void CTalvexPropertySheet::showCaption()
{
    setWindowTitle(ToQString(SheetCaption(fileName_)) + QStringLiteral("[*]"));
}

void CTalvexPropertySheet::undo()
{
    if (const ChangeStep* step = history_.undo(context_.image()))
        showStep(*step, step->description.selectedBefore, "Undone");
}

void CTalvexPropertySheet::redo()
{
    if (const ChangeStep* step = history_.redo(context_.image()))
        showStep(*step, step->description.selectedAfter, "Redone");
}

void CTalvexPropertySheet::showStep(const ChangeStep& step, const std::vector<int>& selected,
                                    const char* done)
{
    for (TalvexPage* page : pages_) {
        if (auto* list = qobject_cast<TableListPage*>(page))
            list->renderEntries(step.entriesOf(list->table()));
    }
    showEntries(step.description.table, selected);
    context_.ShowHint(QString::fromLatin1(done) + QStringLiteral(": ")
                      + ToQString(step.text()));
    refreshChangedState();
}

void CTalvexPropertySheet::refreshChangedState()
{
    const bool unsaved = savedImage_.differs(context_.image());
    context_.setModified(unsaved);
    setWindowModified(unsaved);
    applyButton_->setEnabled(unsaved);
    undoAction_->setEnabled(history_.canUndo());
    undoButton_->setEnabled(history_.canUndo());
    redoAction_->setEnabled(history_.canRedo());
    redoButton_->setEnabled(history_.canRedo());
}

} // namespace talvex
