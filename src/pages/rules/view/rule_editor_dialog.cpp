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

} // namespace

CEditRuleDlg::CEditRuleDlg(ShellContext& context, int entry, QWidget* parent)
    : RecordEditorDialog(context, entry, QStringLiteral("Edit Rule..."), parent)
{
    openFields();
}

void CEditRuleDlg::buildWidgets(Form& form)
{
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

    connect(tcpip_, &QPushButton::clicked, this, &CEditRuleDlg::runIpWizard);
    connect(ecb_, &QPushButton::clicked, this, &CEditRuleDlg::runEcbWizard);
}

// Rule number, rule type and condition.
QLayout* CEditRuleDlg::buildHead(Form& form)
{
    using F = RuleEditorFields;
    const LabelledBox entry = form.display(
        {.name = "entryBox", .label = QStringLiteral("Rule:"), .chars = 4}, &F::entry);
    QComboBox* ruleType = form.choice({.name = "ruleTypeList",
                                       .accessibleName = QStringLiteral("Rule Type"),
                                       .hint = RULE_TYPE_HINT},
                                      RuleTypeTable(), &F::ruleType)
                              .list;
    QComboBox* condition = form.choice({.name = "conditionList",
                                        .accessibleName = QStringLiteral("Condition"),
                                        .hint = CONDITION_HINT},
                                       ConditionTable(), &F::condition)
                               .list;
    watchChoice(ruleType);
    watchChoice(condition);
    auto* head = new QHBoxLayout;
    head->addWidget(entry.label);
    head->addWidget(entry.box);
    head->addSpacing(8);
    head->addWidget(ruleType);
    head->addWidget(condition, 1);
    return head;
}

QGroupBox* CEditRuleDlg::buildComparison(Form& form)
{
    using F = RuleEditorFields;
    const LabelledBox offset = form.textBox({.name = "offsetBox",
                                             .label = QStringLiteral("&Offset:"),
                                             .chars = NUMBER_CHARS,
                                             .hint = OFFSET_HINT},
                                            &F::offset);
    const LabelledBox length = form.textBox({.name = "lengthBox",
                                             .label = QStringLiteral("&Len:"),
                                             .chars = NUMBER_CHARS,
                                             .hint = LENGTH_HINT},
                                            &F::length);
    const LabelledChoice base = form.choice(
        {.name = "baseList", .label = QStringLiteral("&From:"), .hint = OFFSET_BASE_HINT},
        OffsetBaseTable(), &F::base);
    tcpip_ = form.pushButton(QStringLiteral("TCP&IP"), "tcpipButton");
    ecb_ = form.pushButton(QStringLiteral("E&CB"), "ecbButton");
    QComboBox* comparison = form.choice({.name = "operatorList",
                                         .accessibleName = QStringLiteral("Operator"),
                                         .hint = OPERATOR_HINT},
                                        OperatorTable(), &F::comparison)
                                .list;
    watchChoice(comparison);
    QLineEdit* patternData = form.textBox({.name = "patternDataBox",
                                           .accessibleName = QStringLiteral("Pattern Data"),
                                           .chars = PATTERN_CHARS,
                                           .widthAtLeast = true,
                                           .dataFont = true,
                                           .hint = PATTERN_DATA_HINT},
                                          &F::patternData)
                                 .box;
    const LabelledBox mask = form.textBox({.name = "patternMaskBox",
                                           .label = QStringLiteral("&Mask:"),
                                           .chars = PATTERN_CHARS,
                                           .widthAtLeast = true,
                                           .dataFont = true,
                                           .hint = PATTERN_MASK_HINT},
                                          &F::patternMask);

    comparisonGroup_ = new QGroupBox(QStringLiteral("Comparison"), this);
    auto* placeRow = new QHBoxLayout;
    for (QWidget* control : {static_cast<QWidget*>(offset.label), static_cast<QWidget*>(offset.box),
                             static_cast<QWidget*>(length.label), static_cast<QWidget*>(length.box),
                             static_cast<QWidget*>(base.label), static_cast<QWidget*>(base.list)})
        placeRow->addWidget(control);
    placeRow->addStretch(1);
    placeRow->addWidget(tcpip_);
    placeRow->addWidget(ecb_);
    auto* patternGrid = new QGridLayout;
    patternGrid->addWidget(comparison, 0, 0);
    patternGrid->addWidget(patternData, 0, 1);
    patternGrid->addWidget(mask.label, 1, 0, Qt::AlignRight);
    patternGrid->addWidget(mask.box, 1, 1);
    patternGrid->setColumnStretch(1, 1);
    auto* comparisonLayout = new QVBoxLayout(comparisonGroup_);
    comparisonLayout->addLayout(placeRow);
    comparisonLayout->addLayout(patternGrid);
    return comparisonGroup_;
}

// The parameter rows of the other condition kinds.
QGroupBox* CEditRuleDlg::buildParameters(Form& form)
{
    auto* group = new QGroupBox(QStringLiteral("Parameters"), this);
    auto* grid = new QGridLayout(group);
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const LabelledBox param = form.textBox(
            {.name = PARAM_BOX_NAMES[i], .label = QStringLiteral("Parameter %1:").arg(k + 1)},
            &RuleEditorFields::params, i);
        paramLabels_[i] = param.label;
        params_[i] = param.box;
        grid->addWidget(param.label, k, 0);
        grid->addWidget(param.box, k, 1);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

// Then and Else, each an action list and its parameter box.
QLayout* CEditRuleDlg::buildActions(Form& form)
{
    using F = RuleEditorFields;
    struct Branch {
        const char* label;          // "&Then"
        const char* listName;
        const char* paramName;
        std::string_view actionHint;
        std::string_view paramHint;
        std::uint32_t F::*action;
        std::string F::*parameter;
        QLineEdit*& param;
    } const branches[] = {
        {"&Then", "thenActionList", "thenParamBox", THEN_ACTION_HINT, THEN_PARAM_HINT,
         &F::thenAction, &F::thenParam, thenParam_},
        {"&Else", "elseActionList", "elseParamBox", ELSE_ACTION_HINT, ELSE_PARAM_HINT,
         &F::elseAction, &F::elseParam, elseParam_},
    };
    auto* grid = new QGridLayout;
    int row = 0;
    for (const Branch& branch : branches) {
        const QString label = QString::fromLatin1(branch.label);
        const LabelledChoice action =
            form.choice({.name = branch.listName, .label = label, .hint = branch.actionHint},
                        ActionTable(), branch.action);
        watchChoice(action.list);
        branch.param =
            form.textBox({.name = branch.paramName,
                          .accessibleName = PlainText(label) + QStringLiteral(" Parameter"),
                          .chars = NUMBER_CHARS,
                          .hint = branch.paramHint},
                         branch.parameter)
                .box;
        grid->addWidget(action.label, row, 0);
        grid->addWidget(action.list, row, 1);
        grid->addWidget(branch.param, row, 2);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

void CEditRuleDlg::afterShow(const RuleEditorFields&) { applyEnabling(); }

void CEditRuleDlg::watchChoice(QComboBox* list)
{
    connect(list, &QComboBox::currentIndexChanged, this, [this] {
        if (!showingFields())
            applyEnabling();
    });
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
    const RuleEditorFields fields = readFields();
    return {fields.patternData, fields.patternMask, fields.offset};
}

// A wizard's results reach only the fields; the record changes on OK.
void CEditRuleDlg::takePatternTexts(const PatternTexts& texts, std::uint32_t base)
{
    RuleEditorFields fields = readFields();
    fields.patternData = texts.data;
    fields.patternMask = texts.mask;
    fields.offset = texts.offset;
    fields.base = base;
    showFields(fields);
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
