#include "pages/priq/view/priq_page.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "config/view/choice_list.h"
#include "pages/priq/priq_hints.h"
#include "pages/priq/priq_lines.h"
#include "pages/priq/priq_structure.h"
#include "pages/priq/priq_table_ops.h"
#include "pages/priq/view/edit_queue_priority_dlg.h"

namespace talvex {

namespace {

QPushButton* Button(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAccessibleName(text);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CTalvexConfigPriQ::CTalvexConfigPriQ(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Priority Queue"), parent)
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("priqList"));
    list_->setAccessibleName(QStringLiteral("Priority Queue"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true);
    list_->installEventFilter(this);

    addButton_ = Button(QStringLiteral("Add..."), this);
    editButton_ = Button(QStringLiteral("Edit..."), this);
    deleteButton_ = Button(QStringLiteral("Delete"), this);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(editButton_);
    buttons->addWidget(deleteButton_);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(addButton_, &QPushButton::clicked, this, &CTalvexConfigPriQ::onAdd);
    connect(editButton_, &QPushButton::clicked, this, &CTalvexConfigPriQ::onEdit);
    connect(deleteButton_, &QPushButton::clicked, this, &CTalvexConfigPriQ::onDelete);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CTalvexConfigPriQ::onEdit);
}

void CTalvexConfigPriQ::openPage()
{
    list_->setFont(context().listFont());
    fullRefresh();
}

bool CTalvexConfigPriQ::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::FocusIn)
        context().ShowHint(PRIQ_LIST_HINT);
    return TalvexPage::eventFilter(watched, event);
}

void CTalvexConfigPriQ::renderLine(int n)
{
    const auto& table = context().image().priQTable;
    const QString text = QString::fromStdString(PriQLineText(table[static_cast<std::size_t>(n)], n));
    if (QListWidgetItem* item = list_->item(n))
        item->setText(text);
}

void CTalvexConfigPriQ::fullRefresh()
{
    auto& table = context().image().priQTable;
    RunStructurePass(table);
    const int caret = list_->currentRow();
    const std::vector<std::string> lines = PriQListLines(table);
    while (list_->count() < static_cast<int>(lines.size()))
        list_->addItem(QString());
    for (std::size_t i = 0; i < lines.size(); ++i)
        list_->item(static_cast<int>(i))->setText(QString::fromStdString(lines[i]));
    FitListWidth(*list_);
    SelectOnlyItem(*list_, caret);
}

bool CTalvexConfigPriQ::runEditor(int n)
{
    CEditQueuePriorityDlg editor(context(), n, this);
    return context().RunModal(editor) == QDialog::Accepted;
}

void CTalvexConfigPriQ::showEdited(int n)
{
    renderLine(n);
    FitListWidth(*list_);
    SelectOnlyItem(*list_, n);
    fullRefresh();
}

void CTalvexConfigPriQ::onAdd()
{
    const std::optional<int> unused = FirstUnusedEntry(context().image().priQTable);
    if (!unused || list_->item(*unused) == nullptr)
        return;
    list_->setCurrentItem(list_->item(*unused), QItemSelectionModel::NoUpdate);
    const int n = list_->currentRow();
    if (runEditor(n))
        showEdited(n);
}

void CTalvexConfigPriQ::onEdit()
{
    const int n = list_->currentRow();
    switch (DecideEdit(n, static_cast<int>(list_->selectedItems().size()))) {
    case EditStep::Nothing:
        return;
    case EditStep::SelectCaretOnly:
        SelectOnlyItem(*list_, n);
        return;
    case EditStep::OpenEditor:
        if (runEditor(n))
            showEdited(n);
        return;
    }
}

void CTalvexConfigPriQ::onDelete()
{
    std::vector<int> selected;
    for (int i = 0; i < list_->count(); ++i) {
        if (list_->item(i)->isSelected())
            selected.push_back(i);
    }
    const int next = DeleteSelectedEntries(context().image().priQTable, selected);
    for (int line : selected)
        renderLine(line);
    FitListWidth(*list_);
    SelectOnlyItem(*list_, next);
    context().setModified();
    fullRefresh();
}

} // namespace talvex
