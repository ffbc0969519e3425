#include "pages/masks/view/masks_page.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

#include "config/view/choice_list.h"
#include "pages/masks/mask_hints.h"
#include "pages/masks/mask_lines.h"
#include "pages/masks/mask_table_ops.h"
#include "pages/masks/view/edit_address_mask_dlg.h"

namespace talvex {

namespace {

QPushButton* CommandButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CTalvexConfigMasks::CTalvexConfigMasks(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Address Masks"), parent)
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("maskList"));
    list_->setAccessibleName(QStringLiteral("Address Masks"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->installEventFilter(this);

    addButton_ = CommandButton(QStringLiteral("Add..."), "addButton", this);
    editButton_ = CommandButton(QStringLiteral("Edit..."), "editButton", this);
    deleteButton_ = CommandButton(QStringLiteral("Delete"), "deleteButton", this);
    upButton_ = CommandButton(QStringLiteral("Up"), "upButton", this);
    downButton_ = CommandButton(QStringLiteral("Dn"), "downButton", this);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {addButton_, editButton_, deleteButton_, upButton_, downButton_})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(addButton_, &QPushButton::clicked, this, &CTalvexConfigMasks::onAdd);
    connect(editButton_, &QPushButton::clicked, this, &CTalvexConfigMasks::onEdit);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CTalvexConfigMasks::onEdit);
    connect(deleteButton_, &QPushButton::clicked, this, &CTalvexConfigMasks::onDelete);
    connect(upButton_, &QPushButton::clicked, this, [this] { onMove(true); });
    connect(downButton_, &QPushButton::clicked, this, [this] { onMove(false); });
}

void CTalvexConfigMasks::openPage()
{
    list_->setFont(context().listFont());
    while (list_->count() < MASK_COUNT)
        list_->addItem(QString());
    for (int i = 0; i < MASK_COUNT; ++i)
        renderLine(i);
}

bool CTalvexConfigMasks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::FocusIn)
        context().ShowHint(MASK_LIST_HINT);
    return TalvexPage::eventFilter(watched, event);
}

void CTalvexConfigMasks::renderLine(int entry)
{
    QListWidgetItem* item = list_->item(entry);
    if (item == nullptr)
        return;
    const auto& mask = context().image().maskTable[static_cast<std::size_t>(entry)];
    item->setText(QString::fromStdString(MaskLineText(mask, entry)));
}

void CTalvexConfigMasks::showOnly(int entry)
{
    renderLine(entry);
    FitListWidth(*list_);
    SelectOnlyItem(*list_, entry);
}

bool CTalvexConfigMasks::editEntry(int entry)
{
    CEditAddressMaskDlg dialog(context(), entry, this);
    return context().RunModal(dialog) == QDialog::Accepted;
}

void CTalvexConfigMasks::onAdd()
{
    const auto entry = FirstUnusedMask(context().image());
    if (!entry)
        return;
    list_->setCurrentRow(*entry, QItemSelectionModel::NoUpdate);
    if (editEntry(*entry))
        showOnly(*entry);
}

void CTalvexConfigMasks::onEdit()
{
    const int entry = list_->currentRow();
    if (entry < 0 || entry >= MASK_COUNT)
        return;
    if (list_->selectedItems().size() >= 2) {
        SelectOnlyItem(*list_, entry);
        return;
    }
    if (editEntry(entry))
        showOnly(entry);
}

void CTalvexConfigMasks::onDelete()
{
    std::vector<int> selected;
    for (const QListWidgetItem* item : list_->selectedItems())
        selected.push_back(list_->row(item));
    const int next = DeleteMasks(context().image(), selected);
    for (int entry : selected)
        renderLine(entry);
    FitListWidth(*list_);
    SelectOnlyItem(*list_, next);
    context().setModified();
}

void CTalvexConfigMasks::onMove(bool up)
{
    const int caret = list_->currentRow();
    const auto neighbour = MoveNeighbour(caret, up ? MoveDirection::Up : MoveDirection::Down);
    if (!neighbour)
        return;
    ExchangeMasks(context().image(), caret, *neighbour);
    showOnly(caret);
    showOnly(*neighbour);
    context().setModified();
}

} // namespace talvex
