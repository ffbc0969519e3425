#include "pages/masks/view/mask_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "config/code_tables.h"
#include "widgets/choice_list.h"
#include "pages/masks/mask_hints.h"
#include "widgets/dialog_buttons.h"
#include "widgets/dialog_focus.h"
#include "widgets/display_field.h"
#include "widgets/focus_hint_filter.h"
#include "widgets/mnemonic_text.h"
#include "widgets/shell_context.h"
#include "widgets/view_text.h"

namespace talvex {

namespace {

QLineEdit* NumberBox(QWidget* parent, const char* name, int widthInDigits)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * widthInDigits
                         + 16);
    return box;
}

} // namespace

CEditAddressMaskDlg::CEditAddressMaskDlg(ShellContext& context, int entry, QWidget* parent)
    : EditorDialog(parent), context_(context), session_(context.image().maskTable, entry)
{
    setWindowTitle(QStringLiteral("Edit Address Mask"));
    buildWidgets();

    const MaskEditorFields& fields = session_.openingFields();
    updating_ = true;
    SetFieldText(*entryBox_, fields.entry);
    templatesBox_->setChecked(fields.useTemplates);
    bidirectionalBox_->setChecked(fields.bidirectionalQos);
    absoluteTtlBox_->setChecked(fields.absoluteTtl);
    keyGroupCheck_->setChecked(fields.useKeyGroup);
    auditBox_->setChecked(fields.auditConnections);
    FillChoiceList(*actionList_, DefaultActionTable());
    SelectChoiceByCode(*actionList_, static_cast<std::uint32_t>(fields.defaultAction));
    SetFieldText(*keyGroupBox_, fields.keyGroup);
    SetFieldText(*paramBox_, fields.defaultParam);
    SetFieldText(*qosBox_, fields.qos);
    SetFieldText(*ttlBox_, fields.ttl);
    updating_ = false;
    showModeRefresh(fields);
    session_.setOpeningFields(readFields());
    FocusFirstField(*this);
}

const AddressMask& CEditAddressMaskDlg::record() const
{
    return EntryAt(context_.image().maskTable, session_.entryNumber());
}

void CEditAddressMaskDlg::buildWidgets()
{
    hints_ = new FocusHintFilter(context_, this);

    // Top line: entry number and the templates switch.
    entryBox_ = NumberBox(this, "entryBox", 3);
    MakeDisplayField(*entryBox_);
    templatesBox_ = NamedButton<QCheckBox>(
        QStringLiteral("&Use standard templates to simplify mask creation."), "templatesBox", this);
    auto* top = new QHBoxLayout;
    top->addWidget(BuddyLabel(QStringLiteral("Mask:"), entryBox_, this));
    top->addWidget(entryBox_);
    top->addSpacing(12);
    top->addWidget(templatesBox_);
    top->addStretch();

    // One group per address side: list, offset, mask.
    const auto addressGroup = [this](const QString& title, const char* side, QComboBox*& list,
                                     QLineEdit*& offset, QWidget*& arrows, QLineEdit*& mask) {
        // The group's mnemonic puts the focus on its list.
        auto* group = new QGroupBox(title, this);
        list = new QComboBox(group);
        list->setObjectName(QString::fromLatin1(side) + QStringLiteral("List"));
        list->setAccessibleName(AccessibleName(title));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        offset = NumberBox(group, "", 5);
        offset->setObjectName(QString::fromLatin1(side) + QStringLiteral("OffsetBox"));
        mask = new QLineEdit(group);
        mask->setObjectName(QString::fromLatin1(side) + QStringLiteral("MaskBox"));
        mask->setFont(context_.dataFont());
        mask->setMinimumWidth(QFontMetrics(context_.dataFont()).horizontalAdvance(
                                  QStringLiteral("FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF"))
                              + 12);
        auto* offsetLabel = BuddyLabel(QStringLiteral("Offset:"), offset, group);
        arrows = offsetArrows(offset, AccessibleName(title));
        auto* grid = new QGridLayout(group);
        grid->addWidget(list, 0, 0, 1, 4);
        grid->addWidget(offsetLabel, 1, 0);
        grid->addWidget(offset, 1, 1);
        grid->addWidget(arrows, 1, 2);
        grid->setColumnStretch(3, 1);
        grid->addWidget(mask, 2, 0, 1, 4);
        return group;
    };
    auto* srcGroup = addressGroup(QStringLiteral("&Source Address"), "src", srcList_,
                                  srcOffsetBox_, srcArrows_, srcMaskBox_);
    srcOffsetBox_->setAccessibleName(QStringLiteral("Source Offset"));
    srcMaskBox_->setAccessibleName(QStringLiteral("Source Mask"));
    auto* dstGroup = addressGroup(QStringLiteral("&Destination Address"), "dst", dstList_,
                                  dstOffsetBox_, dstArrows_, dstMaskBox_);
    dstOffsetBox_->setAccessibleName(QStringLiteral("Destination Offset"));
    dstMaskBox_->setAccessibleName(QStringLiteral("Destination Mask"));
    auto* groups = new QHBoxLayout;
    groups->addWidget(srcGroup);
    groups->addWidget(dstGroup);

    // Connection lifetime and QoS template.
    ttlBox_ = NumberBox(this, "ttlBox", 11);
    qosBox_ = NumberBox(this, "qosBox", 6);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(BuddyLabel(QStringLiteral("&TTL"), ttlBox_, this));
    numbers->addWidget(ttlBox_);
    numbers->addWidget(new QLabel(QStringLiteral("Sec."), this));
    numbers->addSpacing(16);
    numbers->addWidget(BuddyLabel(QStringLiteral("&QoS"), qosBox_, this));
    numbers->addWidget(qosBox_);
    numbers->addStretch();

    // The flag boxes.
    absoluteTtlBox_ =
        NamedButton<QCheckBox>(QStringLiteral("&Absolute TTL"), "absoluteTtlBox", this);
    bidirectionalBox_ =
        NamedButton<QCheckBox>(QStringLiteral("&Bidirectional QoS"), "bidirectionalBox", this);
    keyGroupCheck_ =
        NamedButton<QCheckBox>(QStringLiteral("Use &Key Group"), "keyGroupCheck", this);
    keyGroupBox_ = NumberBox(this, "keyGroupBox", 5);
    keyGroupBox_->setAccessibleName(QStringLiteral("Key Group"));
    auditBox_ = NamedButton<QCheckBox>(QStringLiteral("Audit &Connections"), "auditBox", this);
    auto* flags = new QGridLayout;
    flags->addWidget(absoluteTtlBox_, 0, 0);
    flags->addWidget(bidirectionalBox_, 0, 1, 1, 2);
    flags->addWidget(keyGroupCheck_, 1, 0);
    auto* keyGroupRow = new QHBoxLayout;
    keyGroupRow->addWidget(keyGroupBox_);
    keyGroupRow->addStretch();
    flags->addLayout(keyGroupRow, 1, 1);
    flags->addWidget(auditBox_, 1, 2);
    flags->setColumnStretch(3, 1);

    // Default action and its parameter.
    actionList_ = new QComboBox(this);
    actionList_->setObjectName(QStringLiteral("actionList"));
    actionList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    paramBox_ = NumberBox(this, "paramBox", 6);
    paramBox_->setAccessibleName(QStringLiteral("Default Action Parameter"));
    auto* action = new QHBoxLayout;
    action->addWidget(BuddyLabel(QStringLiteral("De&fault Action:"), actionList_, this));
    action->addWidget(actionList_);
    action->addWidget(paramBox_);
    action->addStretch();

    QDialogButtonBox* buttons = OkCancelButtons(*this);
    okButton_ = buttons->button(QDialogButtonBox::Ok);
    cancelButton_ = buttons->button(QDialogButtonBox::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(groups);
    layout->addLayout(numbers);
    layout->addLayout(flags);
    layout->addLayout(action);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Keyboard order follows the visual order.
    QWidget* order[] = {templatesBox_,   srcList_,          srcOffsetBox_, srcMaskBox_,
                        dstList_,        dstOffsetBox_,     dstMaskBox_,   ttlBox_,
                        qosBox_,         absoluteTtlBox_,   bidirectionalBox_, keyGroupCheck_,
                        keyGroupBox_,    auditBox_,         actionList_,   paramBox_,
                        okButton_,       cancelButton_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    hints_->watchFocus(srcList_, MASK_SOURCE_FROM_HINT);
    hints_->watchFocus(srcOffsetBox_, MASK_SOURCE_OFFSET_HINT);
    hints_->watchFocus(srcMaskBox_, MASK_SOURCE_MASK_HINT);
    hints_->watchFocus(dstList_, MASK_DESTINATION_FROM_HINT);
    hints_->watchFocus(dstOffsetBox_, MASK_DESTINATION_OFFSET_HINT);
    hints_->watchFocus(dstMaskBox_, MASK_DESTINATION_MASK_HINT);
    hints_->watchFocus(ttlBox_, MASK_TTL_HINT);
    hints_->watchFocus(qosBox_, MASK_QOS_HINT);
    hints_->watchClicks(absoluteTtlBox_, MASK_ABSOLUTE_TTL_HINT);
    hints_->watchClicks(bidirectionalBox_, MASK_BIDIRECTIONAL_HINT);

    connect(templatesBox_, &QCheckBox::clicked, this, &CEditAddressMaskDlg::runModeRefresh);
    connect(keyGroupCheck_, &QCheckBox::clicked, this, &CEditAddressMaskDlg::runModeRefresh);
    connect(actionList_, &QComboBox::currentIndexChanged, this,
            &CEditAddressMaskDlg::runModeRefresh);
    connect(srcList_, &QComboBox::currentIndexChanged, this, &CEditAddressMaskDlg::runFieldRefresh);
    connect(dstList_, &QComboBox::currentIndexChanged, this, &CEditAddressMaskDlg::runFieldRefresh);
}

QWidget* CEditAddressMaskDlg::offsetArrows(QLineEdit* box, const QString& name)
{
    // Like the arrows of a spin box they take no focus; Up and Down in the
    // box do the same from the keyboard.
    auto* arrows = new QWidget(box->parentWidget());
    auto* column = new QVBoxLayout(arrows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (const int delta : {1, -1}) {
        auto* arrow = new QToolButton(arrows);
        arrow->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setFixedSize(16, 11);
        arrow->setObjectName(box->objectName() + (delta > 0 ? QStringLiteral("Up")
                                                            : QStringLiteral("Down")));
        arrow->setAccessibleName(name + (delta > 0 ? QStringLiteral(" offset up")
                                                   : QStringLiteral(" offset down")));
        connect(arrow, &QToolButton::clicked, box, [box, delta] {
            SetFieldText(*box, StepOffsetText(FieldText(*box), delta));
        });
        column->addWidget(arrow);
    }
    box->installEventFilter(this);
    return arrows;
}

bool CEditAddressMaskDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress
        && (watched == srcOffsetBox_ || watched == dstOffsetBox_)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            auto* box = static_cast<QLineEdit*>(watched);
            SetFieldText(*box, StepOffsetText(FieldText(*box), key == Qt::Key_Up ? 1 : -1));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

MaskEditorFields CEditAddressMaskDlg::readFields() const
{
    MaskEditorFields f;
    f.entry = FieldText(*entryBox_);
    f.useTemplates = templatesBox_->isChecked();
    f.srcChoice = SelectedChoiceCode(*srcList_);
    f.srcOffset = FieldText(*srcOffsetBox_);
    f.srcMask = FieldText(*srcMaskBox_);
    f.dstChoice = SelectedChoiceCode(*dstList_);
    f.dstOffset = FieldText(*dstOffsetBox_);
    f.dstMask = FieldText(*dstMaskBox_);
    f.ttl = FieldText(*ttlBox_);
    f.qos = FieldText(*qosBox_);
    f.absoluteTtl = absoluteTtlBox_->isChecked();
    f.bidirectionalQos = bidirectionalBox_->isChecked();
    f.useKeyGroup = keyGroupCheck_->isChecked();
    f.keyGroup = FieldText(*keyGroupBox_);
    f.auditConnections = auditBox_->isChecked();
    f.defaultAction = SelectedChoiceCode(*actionList_);
    f.defaultParam = FieldText(*paramBox_);
    return f;
}

void CEditAddressMaskDlg::showModeRefresh(const MaskEditorFields& fields)
{
    updating_ = true;
    const auto table = AddressListTable(fields.useTemplates);
    FillChoiceList(*srcList_, table);
    SelectChoiceByCode(*srcList_, static_cast<std::uint32_t>(fields.srcChoice));
    FillChoiceList(*dstList_, table);
    SelectChoiceByCode(*dstList_, static_cast<std::uint32_t>(fields.dstChoice));
    updating_ = false;
    showFieldTexts(fields);
}

void CEditAddressMaskDlg::showFieldTexts(const MaskEditorFields& fields)
{
    SetFieldText(*srcOffsetBox_, fields.srcOffset);
    SetFieldText(*srcMaskBox_, fields.srcMask);
    SetFieldText(*dstOffsetBox_, fields.dstOffset);
    SetFieldText(*dstMaskBox_, fields.dstMask);
    const MaskEditorEnabling enabling = MaskEnablingFor(fields);
    for (QWidget* box : {static_cast<QWidget*>(srcOffsetBox_), srcArrows_,
                         static_cast<QWidget*>(srcMaskBox_), static_cast<QWidget*>(dstOffsetBox_),
                         dstArrows_, static_cast<QWidget*>(dstMaskBox_)})
        box->setEnabled(enabling.offsetsAndMasks);
    keyGroupBox_->setEnabled(enabling.keyGroup);
    paramBox_->setEnabled(enabling.defaultParam);
}

void CEditAddressMaskDlg::runModeRefresh()
{
    if (updating_)
        return;
    MaskEditorFields fields = readFields();
    ModeRefresh(record(), fields);
    showModeRefresh(fields);
}

void CEditAddressMaskDlg::runFieldRefresh()
{
    if (updating_ || !templatesBox_->isChecked())
        return;
    MaskEditorFields fields = readFields();
    FieldRefresh(record(), fields);
    showFieldTexts(fields);
}

bool CEditAddressMaskDlg::commit() { return AcceptFields(session_, readFields(), context_); }

void CEditAddressMaskDlg::cancel() { session_.cancel(); }

} // namespace talvex
