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
#include "widgets/mnemonic_text.h"
#include "widgets/view_text.h"

namespace talvex {

CEditAddressMaskDlg::CEditAddressMaskDlg(ShellContext& context, int entry, QWidget* parent)
    : RecordEditorDialog(context, entry, QStringLiteral("Edit Address Mask"), parent)
{
    openFields();
}

const AddressMask& CEditAddressMaskDlg::record() const
{
    return EntryAt(context().image().maskTable, session().entryNumber());
}

void CEditAddressMaskDlg::buildWidgets(Form& form)
{
    QLayout* top = buildTop(form);
    auto* groups = new QHBoxLayout;
    groups->addWidget(addressGroup(
        form, MASK_SOURCE, "src",
        {MASK_SOURCE_FROM_HINT, MASK_SOURCE_OFFSET_HINT, MASK_SOURCE_MASK_HINT}, src_));
    groups->addWidget(addressGroup(
        form, MASK_DESTINATION, "dst",
        {MASK_DESTINATION_FROM_HINT, MASK_DESTINATION_OFFSET_HINT, MASK_DESTINATION_MASK_HINT},
        dst_));
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
    // Unrelated to the address sides: only what is enabled follows them.
    connect(keyGroupCheck_, &QCheckBox::clicked, this, &CEditAddressMaskDlg::runEnabling);
    connect(actionList_, &QComboBox::currentIndexChanged, this,
            &CEditAddressMaskDlg::runEnabling);
    for (QComboBox* list : {src_.list, dst_.list})
        connect(list, &QComboBox::currentIndexChanged, this,
                &CEditAddressMaskDlg::runFieldRefresh);
}

// The entry number and the templates switch.
QLayout* CEditAddressMaskDlg::buildTop(Form& form)
{
    const LabelledBox entry = form.display(
        {.name = "entryBox", .label = QStringLiteral("Mask:"), .chars = 3},
        &MaskEditorFields::entry);
    templatesBox_ =
        form.checkBox(QStringLiteral("&Use standard templates to simplify mask creation."),
                      "templatesBox", {}, &MaskEditorFields::useTemplates);
    auto* top = new QHBoxLayout;
    top->addWidget(entry.label);
    top->addWidget(entry.box);
    top->addSpacing(12);
    top->addWidget(templatesBox_);
    top->addStretch();
    return top;
}

// Connection lifetime and QoS template.
QLayout* CEditAddressMaskDlg::buildNumbers(Form& form)
{
    const LabelledBox ttl = form.textBox(
        {.name = "ttlBox", .label = QStringLiteral("&TTL"), .chars = 11, .hint = MASK_TTL_HINT},
        &MaskEditorFields::ttl);
    const LabelledBox qos = form.textBox(
        {.name = "qosBox", .label = QStringLiteral("&QoS"), .chars = 6, .hint = MASK_QOS_HINT},
        &MaskEditorFields::qos);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(ttl.label);
    numbers->addWidget(ttl.box);
    numbers->addWidget(new QLabel(QStringLiteral("Sec."), this));
    numbers->addSpacing(16);
    numbers->addWidget(qos.label);
    numbers->addWidget(qos.box);
    numbers->addStretch();
    return numbers;
}

// The flag boxes, and the key group beside its box.
QLayout* CEditAddressMaskDlg::buildFlags(Form& form)
{
    using F = MaskEditorFields;
    QCheckBox* absoluteTtl = form.checkBox(QStringLiteral("&Absolute TTL"), "absoluteTtlBox",
                                           MASK_ABSOLUTE_TTL_HINT, &F::absoluteTtl);
    QCheckBox* bidirectional =
        form.checkBox(QStringLiteral("&Bidirectional QoS"), "bidirectionalBox",
                      MASK_BIDIRECTIONAL_HINT, &F::bidirectionalQos);
    keyGroupCheck_ =
        form.checkBox(QStringLiteral("Use &Key Group"), "keyGroupCheck", {}, &F::useKeyGroup);
    keyGroupBox_ = form.textBox({.name = "keyGroupBox",
                                 .accessibleName = QStringLiteral("Key Group"),
                                 .chars = 5},
                                &F::keyGroup)
                       .box;
    QCheckBox* audit =
        form.checkBox(QStringLiteral("Audit &Connections"), "auditBox", {}, &F::auditConnections);
    auto* flags = new QGridLayout;
    flags->addWidget(absoluteTtl, 0, 0);
    flags->addWidget(bidirectional, 0, 1, 1, 2);
    flags->addWidget(keyGroupCheck_, 1, 0);
    flags->addWidget(keyGroupBox_, 1, 1, Qt::AlignLeft);
    flags->addWidget(audit, 1, 2);
    flags->setColumnStretch(3, 1);
    return flags;
}

// The default action and its parameter.
QLayout* CEditAddressMaskDlg::buildDefaultAction(Form& form)
{
    const LabelledChoice action =
        form.choice({.name = "actionList", .label = QStringLiteral("De&fault Action:")},
                    DefaultActionTable(), &MaskEditorFields::defaultAction);
    actionList_ = action.list;
    paramBox_ = form.textBox({.name = "paramBox",
                              .accessibleName = QStringLiteral("Default Action Parameter"),
                              .chars = 6},
                             &MaskEditorFields::defaultParam)
                    .box;
    auto* row = new QHBoxLayout;
    row->addWidget(action.label);
    row->addWidget(actionList_);
    row->addWidget(paramBox_);
    row->addStretch();
    return row;
}

QWidget* CEditAddressMaskDlg::addressGroup(Form& form, const MaskSideFields& inputs,
                                           const char* side,
                                           const std::array<std::string_view, 3>& hints,
                                           AddressSide& made)
{
    // The group's mnemonic puts the focus on its list.
    const QString sideName = QString::fromLatin1(inputs.name);
    const QString title = QStringLiteral("&%1 Address").arg(sideName);
    const QString name = AccessibleName(title);
    const QByteArray prefix(side);
    const QByteArray listName = prefix + "List";
    const QByteArray offsetName = prefix + "OffsetBox";
    const QByteArray maskName = prefix + "MaskBox";
    made.list = form.choice({.name = listName.constData(), .accessibleName = name,
                             .hint = hints[0]},
                            OffsetBaseTable(), inputs.choice)
                    .list;
    const LabelledBox offset = form.textBox({.name = offsetName.constData(),
                                             .label = QStringLiteral("Offset:"),
                                             .accessibleName = sideName + QStringLiteral(" Offset"),
                                             .chars = 5,
                                             .hint = hints[1]},
                                            inputs.offsetText);
    made.offset = offset.box;
    made.arrows = offsetArrows(made.offset, name);
    made.mask = form.textBox({.name = maskName.constData(),
                              .accessibleName = sideName + QStringLiteral(" Mask"),
                              .chars = MASK_CHARS,
                              .widthAtLeast = true,
                              .dataFont = true,
                              .hint = hints[2]},
                             inputs.maskText)
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

void CEditAddressMaskDlg::beforeShow(const MaskEditorFields& fields)
{
    if (listsForTemplates_ != fields.useTemplates) {
        const auto table = AddressListTable(fields.useTemplates);
        FillChoiceList(*src_.list, table);
        FillChoiceList(*dst_.list, table);
        listsForTemplates_ = fields.useTemplates;
    }
}

void CEditAddressMaskDlg::afterShow(const MaskEditorFields& fields) { applyEnabling(fields); }

void CEditAddressMaskDlg::applyEnabling(const MaskEditorFields& fields)
{
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
    if (showingFields())
        return;
    MaskEditorFields fields = readFields();
    ModeRefresh(record(), fields);
    showFields(fields);
}

void CEditAddressMaskDlg::runEnabling()
{
    if (!showingFields())
        applyEnabling(readFields());
}

void CEditAddressMaskDlg::runFieldRefresh()
{
    if (showingFields() || !templatesBox_->isChecked())
        return;
    MaskEditorFields fields = readFields();
    FieldRefresh(record(), fields);
    showFields(fields);
}

} // namespace talvex
