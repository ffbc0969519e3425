#include "pages/qos/view/qos_page.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

#include "config/view/choice_list.h"
#include "pages/qos/qos_hints.h"
#include "pages/qos/qos_line.h"
#include "pages/qos/qos_table.h"
#include "pages/qos/view/edit_qos_dlg.h"

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

CTalvexConfigQos::CTalvexConfigQos(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Quality of Service (QoS)"), parent)
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("qosList"));
    list_->setAccessibleName(QStringLiteral("Quality of Service (QoS)"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->installEventFilter(this);

    auto* addButton = CommandButton(QStringLiteral("Add..."), "addButton", this);
    auto* editButton = CommandButton(QStringLiteral("Edit..."), "editButton", this);
    auto* deleteButton = CommandButton(QStringLiteral("Delete"), "deleteButton", this);
    auto* upButton = CommandButton(QStringLiteral("Up"), "upButton", this);
    auto* downButton = CommandButton(QStringLiteral("Dn"), "downButton", this);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {addButton, editButton, deleteButton, upButton, downButton})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(addButton, &QPushButton::clicked, this, &CTalvexConfigQos::onAdd);
    connect(editButton, &QPushButton::clicked, this, &CTalvexConfigQos::onEdit);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CTalvexConfigQos::onEdit);
    connect(deleteButton, &QPushButton::clicked, this, &CTalvexConfigQos::onDelete);
    const auto move = [this](QosMove direction) {
        const int caret = list_->currentRow();
        if (const auto neighbour = QosMoveNeighbour(caret, direction))
            onMove(caret, *neighbour);
    };
    connect(upButton, &QPushButton::clicked, this, [move] { move(QosMove::Up); });
    connect(downButton, &QPushButton::clicked, this, [move] { move(QosMove::Down); });
}

void CTalvexConfigQos::openPage()
{
    list_->setFont(context().listFont());
    list_->clear();
    for (int i = 0; i < QOS_COUNT; ++i)
        list_->addItem(QString::fromStdString(QosLineText(context().image(), static_cast<std::uint32_t>(i))));
}

bool CTalvexConfigQos::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::FocusIn)
        context().ShowHint(QOS_LIST_HINT);
    return TalvexPage::eventFilter(watched, event);
}

void CTalvexConfigQos::replaceLine(int entry)
{
    if (entry < 0 || entry >= list_->count())
        return;
    const bool wasCaret = list_->currentRow() == entry;
    delete list_->takeItem(entry);
    list_->insertItem(entry, QString::fromStdString(
                                 QosLineText(context().image(), static_cast<std::uint32_t>(entry))));
    if (wasCaret)
        list_->setCurrentRow(entry, QItemSelectionModel::NoUpdate);
}

void CTalvexConfigQos::showOnly(int entry)
{
    replaceLine(entry);
    FitListWidth(*list_);
    SelectOnlyItem(*list_, entry);
}

bool CTalvexConfigQos::editEntry(int entry)
{
    CEditQosDlg dialog(context(), entry, this);
    return context().RunModal(dialog) == QDialog::Accepted;
}

void CTalvexConfigQos::onAdd()
{
    const auto entry = LowestEmptyQos(context().image());
    if (!entry)
        return;
    list_->setCurrentRow(*entry, QItemSelectionModel::NoUpdate);
    if (editEntry(*entry))
        showOnly(*entry);
}

void CTalvexConfigQos::onEdit()
{
    const int entry = list_->currentRow();
    if (entry < 0 || entry >= QOS_COUNT)
        return;
    if (list_->selectedItems().size() > 1) {
        SelectOnlyItem(*list_, entry);
        return;
    }
    if (editEntry(entry))
        showOnly(entry);
}

void CTalvexConfigQos::onDelete()
{
    std::vector<int> selected;
    for (const QListWidgetItem* item : list_->selectedItems())
        selected.push_back(list_->row(item));
    const QosDeleteResult result = DeleteQosEntries(context().image(), selected);
    for (int entry : result.emptied)
        replaceLine(entry);
    FitListWidth(*list_);
    SelectOnlyItem(*list_, result.lineToSelect);
    context().setModified();
}

void CTalvexConfigQos::onMove(int caret, int neighbour)
{
    ExchangeQosNodes(context().image(), caret, neighbour);
    showOnly(caret);
    showOnly(neighbour);
    context().setModified();
}

} // namespace talvex
