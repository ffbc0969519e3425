#include "pages/rules/view/rule_editor_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "config/code_tables.h"
#include "pages/rules/rule_hints.h"
#include "pages/rules/view/ecb_wizard_dialog.h"
#include "pages/rules/view/ip_wizard_dialog.h"
#include "widgets/choice_list.h"
#include "widgets/form_builder.h"
#include "widgets/mnemonic_text.h"
#include "widgets/view_text.h"

namespace talvex {

namespace {

// Pages of the area below the condition choice.
enum ConditionArea : int { AREA_COMPARISON, AREA_PARAMETERS, AREA_NONE };

// Enough room for sixteen dotted bytes.
constexpr int PATTERN_CHARS = 48;
constexpr int NUMBER_CHARS = 11;

// The mnemonics of Then and Else, which show beside every parameter row.
constexpr const char* ACTION_MNEMONICS = "TE";

constexpr std::array<const char*, 4> PARAM_BOX_NAMES{"param1Box", "param2Box", "param3Box",
                                                   "param4Box"};

std::uint32_t ChoiceCode(const QComboBox& list)
{
    return static_cast<std::uint32_t>(SelectedChoiceCode(list));
}

} // namespace

CEditRuleDlg::CEditRuleDlg(ShellContext& context, int entry, QWidget* parent)
    : RecordEditorDialog(context, context.image().ruleTable, entry,
                         QStringLiteral("Edit Rule..."), parent)
{
    openFields();
}

void CEditRuleDlg::buildWidgets()
{
    FormBuilder form(*this, context());
    QLayout* head = buildHead(form);
    conditionArea_ = new QStackedWidget(this);
    conditionArea_->insertWidget(AREA_COMPARISON, buildComparison(form));
    conditionArea_->insertWidget(AREA_PARAMETERS, buildParameters(form));
    // A condition without fields shows that in the same place, so the
    // dialog keeps its size without an empty hole.
    auto* noParameters = new QGroupBox(QStringLiteral("Parameters"), this);
    auto* none = new QLabel(QStringLiteral("None for this condition."), noParameters);
    none->setAlignment(Qt::AlignCenter);
    none->setEnabled(false);
    (new QVBoxLayout(noParameters))->addWidget(none);
    conditionArea_->insertWidget(AREA_NONE, noParameters);
    QLayout* actions = buildActions(form);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(conditionArea_);
    layout->addLayout(actions);
    layout->addWidget(form.okCancel());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QComboBox* choice : {ruleType_, condition_, operator_, thenAction_, elseAction_})
        connect(choice, &QComboBox::currentIndexChanged, this, &CEditRuleDlg::applyEnabling);
    connect(tcpip_, &QPushButton::clicked, this, &CEditRuleDlg::runIpWizard);
    connect(ecb_, &QPushButton::clicked, this, &CEditRuleDlg::runEcbWizard);
}

// Rule number, rule type and condition.
QLayout* CEditRuleDlg::buildHead(FormBuilder& form)
{
    const LabelledBox entry =
        form.display({.name = "entryBox", .label = QStringLiteral("Rule:"), .chars = 4});
    entryBox_ = entry.box;
    ruleType_ = form.choice({.name = "ruleTypeList",
                             .accessibleName = QStringLiteral("Rule Type"),
                             .hint = RULE_TYPE_HINT},
                            RuleTypeTable())
                    .list;
    condition_ = form.choice({.name = "conditionList",
                              .accessibleName = QStringLiteral("Condition"),
                              .hint = CONDITION_HINT},
                             ConditionTable())
                     .list;
    auto* head = new QHBoxLayout;
    head->addWidget(entry.label);
    head->addWidget(entryBox_);
    head->addSpacing(8);
    head->addWidget(ruleType_);
    head->addWidget(condition_, 1);
    return head;
}

QGroupBox* CEditRuleDlg::buildComparison(FormBuilder& form)
{
    const LabelledBox offset = form.textBox({.name = "offsetBox",
                                             .label = QStringLiteral("&Offset:"),
                                             .chars = NUMBER_CHARS,
                                             .hint = OFFSET_HINT});
    const LabelledBox length = form.textBox({.name = "lengthBox",
                                             .label = QStringLiteral("&Len:"),
                                             .chars = NUMBER_CHARS,
                                             .hint = LENGTH_HINT});
    const LabelledChoice base = form.choice(
        {.name = "baseList", .label = QStringLiteral("&From:"), .hint = OFFSET_BASE_HINT},
        OffsetBaseTable());
    offset_ = offset.box;
    length_ = length.box;
    base_ = base.list;
    tcpip_ = form.pushButton(QStringLiteral("TCP&IP"), "tcpipButton");
    ecb_ = form.pushButton(QStringLiteral("E&CB"), "ecbButton");
    operator_ = form.choice({.name = "operatorList", .accessibleName = QStringLiteral("Operator"),
                             .hint = OPERATOR_HINT},
                            OperatorTable())
                    .list;
    patternData_ = form.textBox({.name = "patternDataBox",
                                 .accessibleName = QStringLiteral("Pattern Data"),
                                 .chars = PATTERN_CHARS, .widthAtLeast = true, .dataFont = true,
                                 .hint = PATTERN_DATA_HINT})
                       .box;
    const LabelledBox mask = form.textBox({.name = "patternMaskBox",
                                           .label = QStringLiteral("&Mask:"),
                                           .chars = PATTERN_CHARS,
                                           .widthAtLeast = true,
                                           .dataFont = true,
                                           .hint = PATTERN_MASK_HINT});
    patternMask_ = mask.box;

    comparisonGroup_ = new QGroupBox(QStringLiteral("Comparison"), this);
    auto* placeRow = new QHBoxLayout;
    for (QWidget* control : {static_cast<QWidget*>(offset.label), static_cast<QWidget*>(offset_),
                             static_cast<QWidget*>(length.label), static_cast<QWidget*>(length_),
                             static_cast<QWidget*>(base.label), static_cast<QWidget*>(base_)})
        placeRow->addWidget(control);
    placeRow->addStretch(1);
    placeRow->addWidget(tcpip_);
    placeRow->addWidget(ecb_);
    auto* patternGrid = new QGridLayout;
    patternGrid->addWidget(operator_, 0, 0);
    patternGrid->addWidget(patternData_, 0, 1);
    patternGrid->addWidget(mask.label, 1, 0, Qt::AlignRight);
    patternGrid->addWidget(patternMask_, 1, 1);
    patternGrid->setColumnStretch(1, 1);
    auto* comparisonLayout = new QVBoxLayout(comparisonGroup_);
    comparisonLayout->addLayout(placeRow);
    comparisonLayout->addLayout(patternGrid);
    return comparisonGroup_;
}

// The parameter rows of the other condition kinds.
QGroupBox* CEditRuleDlg::buildParameters(FormBuilder& form)
{
    auto* group = new QGroupBox(QStringLiteral("Parameters"), this);
    auto* grid = new QGridLayout(group);
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const LabelledBox param = form.textBox(
            {.name = PARAM_BOX_NAMES[i], .label = QStringLiteral("Parameter %1:").arg(k + 1)});
        paramLabels_[i] = param.label;
        params_[i] = param.box;
        grid->addWidget(param.label, k, 0);
        grid->addWidget(param.box, k, 1);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

// Then and Else.
QLayout* CEditRuleDlg::buildActions(FormBuilder& form)
{
    const LabelledChoice thenAction = form.choice(
        {.name = "thenActionList", .label = QStringLiteral("&Then"), .hint = THEN_ACTION_HINT},
        ActionTable());
    thenParam_ = form.textBox({.name = "thenParamBox",
                               .accessibleName = QStringLiteral("Then Parameter"),
                               .chars = NUMBER_CHARS, .hint = THEN_PARAM_HINT})
                     .box;
    const LabelledChoice elseAction = form.choice(
        {.name = "elseActionList", .label = QStringLiteral("&Else"), .hint = ELSE_ACTION_HINT},
        ActionTable());
    elseParam_ = form.textBox({.name = "elseParamBox",
                               .accessibleName = QStringLiteral("Else Parameter"),
                               .chars = NUMBER_CHARS, .hint = ELSE_PARAM_HINT})
                     .box;
    thenAction_ = thenAction.list;
    elseAction_ = elseAction.list;
    auto* grid = new QGridLayout;
    grid->addWidget(thenAction.label, 0, 0);
    grid->addWidget(thenAction_, 0, 1);
    grid->addWidget(thenParam_, 0, 2);
    grid->addWidget(elseAction.label, 1, 0);
    grid->addWidget(elseAction_, 1, 1);
    grid->addWidget(elseParam_, 1, 2);
    grid->setColumnStretch(1, 1);
    return grid;
}

void CEditRuleDlg::showFields(const RuleEditorFields& fields)
{
    SetFieldText(*entryBox_, fields.entry);
    SelectChoiceByCode(*ruleType_, fields.ruleType);
    SelectChoiceByCode(*condition_, fields.condition);
    SetFieldText(*offset_, fields.offset);
    SetFieldText(*length_, fields.length);
    SelectChoiceByCode(*base_, fields.base);
    SelectChoiceByCode(*operator_, fields.comparison);
    SetFieldText(*patternData_, fields.patternData);
    SetFieldText(*patternMask_, fields.patternMask);
    SelectChoiceByCode(*thenAction_, fields.thenAction);
    SetFieldText(*thenParam_, fields.thenParam);
    SelectChoiceByCode(*elseAction_, fields.elseAction);
    SetFieldText(*elseParam_, fields.elseParam);
    for (std::size_t i = 0; i < params_.size(); ++i)
        SetFieldText(*params_[i], fields.params[i]);
    applyEnabling();
}

RuleEditorFields CEditRuleDlg::readFields() const
{
    RuleEditorFields fields;
    fields.entry = FieldText(*entryBox_);
    fields.ruleType = ChoiceCode(*ruleType_);
    fields.condition = ChoiceCode(*condition_);
    fields.offset = FieldText(*offset_);
    fields.length = FieldText(*length_);
    fields.base = ChoiceCode(*base_);
    fields.comparison = ChoiceCode(*operator_);
    fields.patternData = FieldText(*patternData_);
    fields.patternMask = FieldText(*patternMask_);
    fields.thenAction = ChoiceCode(*thenAction_);
    fields.thenParam = FieldText(*thenParam_);
    fields.elseAction = ChoiceCode(*elseAction_);
    fields.elseParam = FieldText(*elseParam_);
    for (std::size_t i = 0; i < params_.size(); ++i)
        fields.params[i] = FieldText(*params_[i]);
    return fields;
}

void CEditRuleDlg::applyEnabling()
{
    const RuleEditorEnabling enabling = RuleEditorEnablingFor(readFields());
    thenParam_->setEnabled(enabling.thenParamEnabled);
    elseParam_->setEnabled(enabling.elseParamEnabled);
    comparisonGroup_->setEnabled(enabling.comparisonShown);
    QString mnemonics = QString::fromLatin1(ACTION_MNEMONICS);
    for (std::size_t i = 0; i < params_.size(); ++i) {
        const QString label = ToQString(enabling.parameterLabels[i]);
        SetBuddyText(*paramLabels_[i], WithFreeMnemonic(label, mnemonics));
        if (label.isEmpty())
            params_[i]->setAccessibleName(QStringLiteral("Parameter %1").arg(i + 1));
        paramLabels_[i]->setEnabled(enabling.parameterEnabled[i]);
        params_[i]->setEnabled(enabling.parameterEnabled[i]);
    }
    if (enabling.comparisonShown)
        conditionArea_->setCurrentIndex(AREA_COMPARISON);
    else if (enabling.parametersShown)
        conditionArea_->setCurrentIndex(AREA_PARAMETERS);
    else
        conditionArea_->setCurrentIndex(AREA_NONE);
}

PatternTexts CEditRuleDlg::patternTexts() const
{
    return {FieldText(*patternData_), FieldText(*patternMask_), FieldText(*offset_)};
}

// A wizard's results reach only the fields; the record changes on OK.
void CEditRuleDlg::takePatternTexts(const PatternTexts& texts, std::uint32_t base)
{
    SetFieldText(*patternData_, texts.data);
    SetFieldText(*patternMask_, texts.mask);
    SetFieldText(*offset_, texts.offset);
    SelectChoiceByCode(*base_, base);
}

void CEditRuleDlg::runWizard(QPushButton& button, PatternWizardDialog& wizard, std::uint32_t base)
{
    // The button is off while its wizard runs; the focus, which that moves
    // on, comes back to it.
    const bool hadFocus = button.hasFocus();
    button.setEnabled(false);
    if (context().RunModal(wizard) == QDialog::Accepted) {
        if (const std::optional<PatternTexts> texts = wizard.generatedResults())
            takePatternTexts(*texts, base);
    }
    button.setEnabled(true);
    if (hadFocus)
        button.setFocus();
}

void CEditRuleDlg::runIpWizard()
{
    CIpWizardDlg wizard(context(), patternTexts(), this);
    runWizard(*tcpip_, wizard, BASE_FRAGS);
}

void CEditRuleDlg::runEcbWizard()
{
    CEcbWizardDlg wizard(context(), patternTexts(), this);
    runWizard(*ecb_, wizard, BASE_ECB);
}

} // namespace talvex
