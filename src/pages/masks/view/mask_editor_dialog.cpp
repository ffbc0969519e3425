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
#include <QToolButton>
#include <QVBoxLayout>

#include "config/code_tables.h"
#include "pages/masks/mask_hints.h"
#include "widgets/choice_list.h"
#include "widgets/form_builder.h"
#include "widgets/mnemonic_text.h"
#include "widgets/view_text.h"

namespace talvex {

namespace {

// Room for twelve dotted bytes; longer masks scroll.
constexpr int MASK_CHARS = 35;

} // namespace

CEditAddressMaskDlg::CEditAddressMaskDlg(ShellContext& context, int entry, QWidget* parent)
    : RecordEditorDialog(context, context.image().maskTable, entry,
                         QStringLiteral("Edit Address Mask"), parent)
{
    openFields();
}

const AddressMask& CEditAddressMaskDlg::record() const
{
    return EntryAt(context().image().maskTable, session().entryNumber());
}

void CEditAddressMaskDlg::buildWidgets()
{
    FormBuilder form(*this, context());
    QLayout* top = buildTop(form);
    auto* groups = new QHBoxLayout;
    groups->addWidget(addressGroup(form, QStringLiteral("&Source Address"), "src",
                                   MASK_SOURCE_FROM_HINT, MASK_SOURCE_OFFSET_HINT,
                                   MASK_SOURCE_MASK_HINT, src_));
    groups->addWidget(addressGroup(form, QStringLiteral("&Destination Address"), "dst",
                                   MASK_DESTINATION_FROM_HINT, MASK_DESTINATION_OFFSET_HINT,
                                   MASK_DESTINATION_MASK_HINT, dst_));
    QLayout* numbers = buildNumbers(form);
    QLayout* flags = buildFlags(form);
    QLayout* action = buildDefaultAction(form);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(groups);
    layout->addLayout(numbers);
    layout->addLayout(flags);
    layout->addLayout(action);
    layout->addWidget(form.okCancel());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(templatesBox_, &QCheckBox::clicked, this, &CEditAddressMaskDlg::runModeRefresh);
    connect(keyGroupCheck_, &QCheckBox::clicked, this, &CEditAddressMaskDlg::runModeRefresh);
    connect(actionList_, &QComboBox::currentIndexChanged, this,
            &CEditAddressMaskDlg::runModeRefresh);
    for (QComboBox* list : {src_.list, dst_.list})
        connect(list, &QComboBox::currentIndexChanged, this,
                &CEditAddressMaskDlg::runFieldRefresh);
}

// The entry number and the templates switch.
QLayout* CEditAddressMaskDlg::buildTop(FormBuilder& form)
{
    const LabelledBox entry =
        form.display({.name = "entryBox", .label = QStringLiteral("Mask:"), .chars = 3});
    entryBox_ = entry.box;
    templatesBox_ = form.checkBox(
        QStringLiteral("&Use standard templates to simplify mask creation."), "templatesBox");
    auto* top = new QHBoxLayout;
    top->addWidget(entry.label);
    top->addWidget(entryBox_);
    top->addSpacing(12);
    top->addWidget(templatesBox_);
    top->addStretch();
    return top;
}

// Connection lifetime and QoS template.
QLayout* CEditAddressMaskDlg::buildNumbers(FormBuilder& form)
{
    const LabelledBox ttl = form.textBox(
        {.name = "ttlBox", .label = QStringLiteral("&TTL"), .chars = 11, .hint = MASK_TTL_HINT});
    ttlBox_ = ttl.box;
    const LabelledBox qos = form.textBox(
        {.name = "qosBox", .label = QStringLiteral("&QoS"), .chars = 6, .hint = MASK_QOS_HINT});
    qosBox_ = qos.box;
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(ttl.label);
    numbers->addWidget(ttlBox_);
    numbers->addWidget(new QLabel(QStringLiteral("Sec."), this));
    numbers->addSpacing(16);
    numbers->addWidget(qos.label);
    numbers->addWidget(qosBox_);
    numbers->addStretch();
    return numbers;
}

// The flag boxes, and the key group beside its box.
QLayout* CEditAddressMaskDlg::buildFlags(FormBuilder& form)
{
    absoluteTtlBox_ = form.checkBox(QStringLiteral("&Absolute TTL"), "absoluteTtlBox",
                                    MASK_ABSOLUTE_TTL_HINT);
    bidirectionalBox_ = form.checkBox(QStringLiteral("&Bidirectional QoS"), "bidirectionalBox",
                                      MASK_BIDIRECTIONAL_HINT);
    keyGroupCheck_ = form.checkBox(QStringLiteral("Use &Key Group"), "keyGroupCheck");
    keyGroupBox_ = form.textBox({.name = "keyGroupBox",
                                 .accessibleName = QStringLiteral("Key Group"),
                                 .chars = 5})
                       .box;
    auditBox_ = form.checkBox(QStringLiteral("Audit &Connections"), "auditBox");
    auto* flags = new QGridLayout;
    flags->addWidget(absoluteTtlBox_, 0, 0);
    flags->addWidget(bidirectionalBox_, 0, 1, 1, 2);
    flags->addWidget(keyGroupCheck_, 1, 0);
    flags->addWidget(keyGroupBox_, 1, 1, Qt::AlignLeft);
    flags->addWidget(auditBox_, 1, 2);
    flags->setColumnStretch(3, 1);
    return flags;
}

// The default action and its parameter.
QLayout* CEditAddressMaskDlg::buildDefaultAction(FormBuilder& form)
{
    const LabelledChoice action =
        form.choice({.name = "actionList", .label = QStringLiteral("De&fault Action:")},
                    DefaultActionTable());
    actionList_ = action.list;
    paramBox_ = form.textBox({.name = "paramBox",
                              .accessibleName = QStringLiteral("Default Action Parameter"),
                              .chars = 6})
                    .box;
    auto* row = new QHBoxLayout;
    row->addWidget(action.label);
    row->addWidget(actionList_);
    row->addWidget(paramBox_);
    row->addStretch();
    return row;
}

QWidget* CEditAddressMaskDlg::addressGroup(FormBuilder& form, const QString& title,
                                           const char* side, std::string_view fromHint,
                                           std::string_view offsetHint,
                                           std::string_view maskHint, AddressSide& made)
{
    // The group's mnemonic puts the focus on its list.
    const QString name = AccessibleName(title);
    const QByteArray prefix(side);
    const QByteArray listName = prefix + "List";
    const QByteArray offsetName = prefix + "OffsetBox";
    const QByteArray maskName = prefix + "MaskBox";
    made.list = form.choice({.name = listName.constData(), .accessibleName = name,
                             .hint = fromHint},
                            OffsetBaseTable())
                    .list;
    const LabelledBox offset = form.textBox({.name = offsetName.constData(),
                                             .label = QStringLiteral("Offset:"),
                                             .accessibleName = name.section(u' ', 0, 0)
                                                 + QStringLiteral(" Offset"),
                                             .chars = 5,
                                             .hint = offsetHint});
    made.offset = offset.box;
    made.arrows = offsetArrows(made.offset, name);
    made.mask = form.textBox({.name = maskName.constData(),
                              .accessibleName = name.section(u' ', 0, 0) + QStringLiteral(" Mask"),
                              .chars = MASK_CHARS,
                              .widthAtLeast = true,
                              .dataFont = true,
                              .hint = maskHint})
                    .box;

    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(made.list, 0, 0, 1, 4);
    grid->addWidget(offset.label, 1, 0);
    grid->addWidget(made.offset, 1, 1);
    grid->addWidget(made.arrows, 1, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(made.mask, 2, 0, 1, 4);
    return group;
}

QWidget* CEditAddressMaskDlg::offsetArrows(QLineEdit* box, const QString& name)
{
    // Like the arrows of a spin box they take no focus; Up and Down in the
    // box do the same from the keyboard.
    auto* arrows = new QWidget(this);
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
    if (event->type() == QEvent::KeyPress && (watched == src_.offset || watched == dst_.offset)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            auto* box = static_cast<QLineEdit*>(watched);
            SetFieldText(*box, StepOffsetText(FieldText(*box), key == Qt::Key_Up ? 1 : -1));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CEditAddressMaskDlg::showFields(const MaskEditorFields& fields)
{
    updating_ = true;
    SetFieldText(*entryBox_, fields.entry);
    templatesBox_->setChecked(fields.useTemplates);
    bidirectionalBox_->setChecked(fields.bidirectionalQos);
    absoluteTtlBox_->setChecked(fields.absoluteTtl);
    keyGroupCheck_->setChecked(fields.useKeyGroup);
    auditBox_->setChecked(fields.auditConnections);
    SelectChoiceByCode(*actionList_, static_cast<std::uint32_t>(fields.defaultAction));
    SetFieldText(*keyGroupBox_, fields.keyGroup);
    SetFieldText(*paramBox_, fields.defaultParam);
    SetFieldText(*qosBox_, fields.qos);
    SetFieldText(*ttlBox_, fields.ttl);
    updating_ = false;
    showModeRefresh(fields);
}

MaskEditorFields CEditAddressMaskDlg::readFields() const
{
    MaskEditorFields f;
    f.entry = FieldText(*entryBox_);
    f.useTemplates = templatesBox_->isChecked();
    f.srcChoice = SelectedChoiceCode(*src_.list);
    f.srcOffset = FieldText(*src_.offset);
    f.srcMask = FieldText(*src_.mask);
    f.dstChoice = SelectedChoiceCode(*dst_.list);
    f.dstOffset = FieldText(*dst_.offset);
    f.dstMask = FieldText(*dst_.mask);
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
    FillChoiceList(*src_.list, table);
    SelectChoiceByCode(*src_.list, static_cast<std::uint32_t>(fields.srcChoice));
    FillChoiceList(*dst_.list, table);
    SelectChoiceByCode(*dst_.list, static_cast<std::uint32_t>(fields.dstChoice));
    updating_ = false;
    showFieldTexts(fields);
}

void CEditAddressMaskDlg::showFieldTexts(const MaskEditorFields& fields)
{
    SetFieldText(*src_.offset, fields.srcOffset);
    SetFieldText(*src_.mask, fields.srcMask);
    SetFieldText(*dst_.offset, fields.dstOffset);
    SetFieldText(*dst_.mask, fields.dstMask);
    const MaskEditorEnabling enabling = MaskEditorEnablingFor(fields);
    for (const AddressSide* side : {&src_, &dst_}) {
        for (QWidget* control : {static_cast<QWidget*>(side->offset), side->arrows,
                                 static_cast<QWidget*>(side->mask)})
            control->setEnabled(enabling.offsetsAndMasks);
    }
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

} // namespace talvex
