#include "pages/rules/view/rule_editor_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "config/code_tables.h"
#include "widgets/choice_list.h"
#include "pages/rules/rule_hints.h"
#include "pages/rules/view/ecb_wizard_dialog.h"
#include "pages/rules/view/ip_wizard_dialog.h"
#include "widgets/view_text.h"
#include "widgets/dialog_buttons.h"
#include "widgets/dialog_focus.h"
#include "widgets/display_field.h"
#include "widgets/focus_hint_filter.h"
#include "widgets/mnemonic_text.h"
#include "widgets/named_widget.h"

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

QLineEdit* NumberField(QWidget* parent, const char* objectName)
{
    auto* field = Named(new QLineEdit(parent), objectName);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * NUMBER_CHARS
                           + 12);
    return field;
}

std::uint32_t ChoiceCode(const QComboBox& list)
{
    return static_cast<std::uint32_t>(SelectedChoiceCode(list));
}

} // namespace

CEditRuleDlg::CEditRuleDlg(ShellContext& context, int slot, QWidget* parent)
    : EditorDialog(parent), context_(context), session_(context.image().ruleTable, slot)
{
    setWindowTitle(QStringLiteral("Edit Rule..."));
    buildWidgets();
    showFields(session_.openingFields());
    session_.setOpeningFields(readFields());
    FocusFirstField(*this);
    for (QComboBox* choice : {ruleType_, condition_, operator_, thenAction_, elseAction_})
        connect(choice, &QComboBox::currentIndexChanged, this, &CEditRuleDlg::applyEnabling);
}

void CEditRuleDlg::buildWidgets()
{
    // Rule number, rule type and condition.
    rule_ = Named(new QLineEdit(this), "ruleBox");
    MakeDisplayField(*rule_);
    rule_->setMaximumWidth(rule_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    auto* ruleLabel = BuddyLabel(QStringLiteral("Rule:"), rule_, this);
    ruleType_ = Named(new QComboBox(this), "ruleTypeList");
    ruleType_->setAccessibleName(QStringLiteral("Rule Type"));
    condition_ = Named(new QComboBox(this), "conditionList");
    condition_->setAccessibleName(QStringLiteral("Condition"));
    FillChoiceList(*ruleType_, RuleTypeTable());
    FillChoiceList(*condition_, ConditionTable());

    auto* head = new QHBoxLayout;
    head->addWidget(ruleLabel);
    head->addWidget(rule_);
    head->addSpacing(8);
    head->addWidget(ruleType_);
    head->addWidget(condition_, 1);

    // The comparison group.
    comparisonGroup_ = new QGroupBox(QStringLiteral("Comparison"));
    offset_ = NumberField(comparisonGroup_, "offsetBox");
    auto* offsetLabel = BuddyLabel(QStringLiteral("&Offset:"), offset_, comparisonGroup_);
    length_ = NumberField(comparisonGroup_, "lengthBox");
    auto* lengthLabel = BuddyLabel(QStringLiteral("&Len:"), length_, comparisonGroup_);
    base_ = Named(new QComboBox(comparisonGroup_), "baseList");
    auto* baseLabel = BuddyLabel(QStringLiteral("&From:"), base_, comparisonGroup_);
    FillChoiceList(*base_, OffsetBaseTable());
    operator_ = Named(new QComboBox(comparisonGroup_), "operatorList");
    operator_->setAccessibleName(QStringLiteral("Operator"));
    FillChoiceList(*operator_, OperatorTable());
    patternData_ = Named(new QLineEdit(comparisonGroup_), "patternDataBox");
    patternData_->setFont(context_.dataFont());
    patternData_->setAccessibleName(QStringLiteral("Pattern Data"));
    patternMask_ = Named(new QLineEdit(comparisonGroup_), "patternMaskBox");
    patternMask_->setFont(context_.dataFont());
    auto* maskLabel = BuddyLabel(QStringLiteral("&Mask:"), patternMask_, comparisonGroup_);
    const QFontMetrics dataMetrics(context_.dataFont());
    const int patternWidth = dataMetrics.horizontalAdvance(QLatin1Char('F')) * PATTERN_CHARS + 12;
    patternData_->setMinimumWidth(patternWidth);
    patternMask_->setMinimumWidth(patternWidth);
    tcpip_ = NamedButton<QPushButton>(QStringLiteral("TCP&IP"), "tcpipButton", comparisonGroup_);
    ecb_ = NamedButton<QPushButton>(QStringLiteral("E&CB"), "ecbButton", comparisonGroup_);

    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(offsetLabel);
    placeRow->addWidget(offset_);
    placeRow->addSpacing(8);
    placeRow->addWidget(lengthLabel);
    placeRow->addWidget(length_);
    placeRow->addSpacing(8);
    placeRow->addWidget(baseLabel);
    placeRow->addWidget(base_);
    placeRow->addStretch(1);
    placeRow->addWidget(tcpip_);
    placeRow->addWidget(ecb_);
    auto* patternGrid = new QGridLayout;
    patternGrid->addWidget(operator_, 0, 0);
    patternGrid->addWidget(patternData_, 0, 1);
    patternGrid->addWidget(maskLabel, 1, 0, Qt::AlignRight);
    patternGrid->addWidget(patternMask_, 1, 1);
    patternGrid->setColumnStretch(1, 1);
    auto* comparisonLayout = new QVBoxLayout(comparisonGroup_);
    comparisonLayout->addLayout(placeRow);
    comparisonLayout->addLayout(patternGrid);

    // The parameter rows of the other condition kinds.
    parameterGroup_ = new QGroupBox(QStringLiteral("Parameters"));
    auto* parameterGrid = new QGridLayout(parameterGroup_);
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k);
        params_[i] = NumberField(parameterGroup_, PARAM_BOX_NAMES[i]);
        params_[i]->setMaximumWidth(QWIDGETSIZE_MAX);
        paramLabels_[i] =
            BuddyLabel(QStringLiteral("Parameter %1:").arg(k + 1), params_[i], parameterGroup_);
        parameterGrid->addWidget(paramLabels_[i], k, 0);
        parameterGrid->addWidget(params_[i], k, 1);
    }
    parameterGrid->setColumnStretch(1, 1);

    conditionArea_ = new QStackedWidget(this);
    conditionArea_->insertWidget(AREA_COMPARISON, comparisonGroup_);
    conditionArea_->insertWidget(AREA_PARAMETERS, parameterGroup_);
    // A condition without fields shows that in the same place, so the
    // dialog keeps its size without an empty hole.
    auto* noParameters = new QGroupBox(QStringLiteral("Parameters"));
    auto* none = new QLabel(QStringLiteral("None for this condition."), noParameters);
    none->setAlignment(Qt::AlignCenter);
    none->setEnabled(false);
    (new QVBoxLayout(noParameters))->addWidget(none);
    conditionArea_->insertWidget(AREA_NONE, noParameters);

    // Then and Else.
    thenAction_ = Named(new QComboBox(this), "thenActionList");
    auto* thenLabel = BuddyLabel(QStringLiteral("&Then"), thenAction_, this);
    thenParam_ = NumberField(this, "thenParamBox");
    thenParam_->setAccessibleName(QStringLiteral("Then Parameter"));
    elseAction_ = Named(new QComboBox(this), "elseActionList");
    auto* elseLabel = BuddyLabel(QStringLiteral("&Else"), elseAction_, this);
    elseParam_ = NumberField(this, "elseParamBox");
    elseParam_->setAccessibleName(QStringLiteral("Else Parameter"));
    FillChoiceList(*thenAction_, ActionTable());
    FillChoiceList(*elseAction_, ActionTable());
    auto* actionGrid = new QGridLayout;
    actionGrid->addWidget(thenLabel, 0, 0);
    actionGrid->addWidget(thenAction_, 0, 1);
    actionGrid->addWidget(thenParam_, 0, 2);
    actionGrid->addWidget(elseLabel, 1, 0);
    actionGrid->addWidget(elseAction_, 1, 1);
    actionGrid->addWidget(elseParam_, 1, 2);
    actionGrid->setColumnStretch(1, 1);

    QDialogButtonBox* buttons = OkCancelButtons(*this);
    connect(tcpip_, &QPushButton::clicked, this, &CEditRuleDlg::runIpWizard);
    connect(ecb_, &QPushButton::clicked, this, &CEditRuleDlg::runEcbWizard);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(conditionArea_);
    layout->addLayout(actionGrid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Keyboard order follows the reading order of the dialog.
    QWidget* order[] = {ruleType_,    condition_,  offset_,     length_,     base_,
                        tcpip_,       ecb_,        operator_,   patternData_, patternMask_,
                        params_[0],   params_[1],  params_[2],  params_[3],  thenAction_,
                        thenParam_,   elseAction_, elseParam_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    setTabOrder(elseParam_, buttons);

    auto* hints = new FocusHintFilter(context_, this);
    hints->watchFocus(patternData_, PATTERN_DATA_HINT);
    hints->watchFocus(patternMask_, PATTERN_MASK_HINT);
    hints->watchFocus(operator_, OPERATOR_HINT);
    hints->watchFocus(base_, OFFSET_BASE_HINT);
    hints->watchFocus(offset_, OFFSET_HINT);
    hints->watchFocus(thenAction_, THEN_ACTION_HINT);
    hints->watchFocus(elseAction_, ELSE_ACTION_HINT);
    hints->watchFocus(thenParam_, THEN_PARAM_HINT);
    hints->watchFocus(elseParam_, ELSE_PARAM_HINT);
    hints->watchFocus(length_, LENGTH_HINT);
    hints->watchFocus(ruleType_, RULE_TYPE_HINT);
    hints->watchFocus(condition_, CONDITION_HINT);
}

void CEditRuleDlg::showFields(const RuleEditorFields& fields)
{
    rule_->setText(ToQString(fields.rule));
    SelectChoiceByCode(*ruleType_, fields.ruleType);
    SelectChoiceByCode(*condition_, fields.condition);
    offset_->setText(ToQString(fields.offset));
    length_->setText(ToQString(fields.length));
    SelectChoiceByCode(*base_, fields.base);
    SelectChoiceByCode(*operator_, fields.comparison);
    patternData_->setText(ToQString(fields.patternData));
    patternMask_->setText(ToQString(fields.patternMask));
    SelectChoiceByCode(*thenAction_, fields.thenAction);
    thenParam_->setText(ToQString(fields.thenParam));
    SelectChoiceByCode(*elseAction_, fields.elseAction);
    elseParam_->setText(ToQString(fields.elseParam));
    for (std::size_t i = 0; i < params_.size(); ++i)
        params_[i]->setText(ToQString(fields.params[i]));
    applyEnabling();
}

RuleEditorFields CEditRuleDlg::readFields() const
{
    RuleEditorFields fields;
    fields.rule = FieldText(*rule_);
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
    const RuleEditorEnabling enabling =
        RuleEditorEnablingFor(ChoiceCode(*condition_), ChoiceCode(*thenAction_),
                              ChoiceCode(*elseAction_));
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
    if (context_.RunModal(wizard) == QDialog::Accepted) {
        if (const std::optional<PatternTexts> texts = wizard.generatedResults())
            takePatternTexts(*texts, base);
    }
    button.setEnabled(true);
    if (hadFocus)
        button.setFocus();
}

void CEditRuleDlg::runIpWizard()
{
    CIpWizardDlg wizard(context_, patternTexts(), this);
    runWizard(*tcpip_, wizard, BASE_FRAGS);
}

void CEditRuleDlg::runEcbWizard()
{
    CEcbWizardDlg wizard(context_, patternTexts(), this);
    runWizard(*ecb_, wizard, BASE_ECB);
}

bool CEditRuleDlg::commit() { return AcceptFields(session_, readFields(), context_); }

void CEditRuleDlg::cancel() { session_.cancel(); }

} // namespace talvex
