#pragma once
// The "Edit Rule..." dialog: edits one slot of the rule table in place. The
// record is opened (copy taken, new-rule default written) when the dialog is
// built; OK encodes the fields through the core and sets `modified`, every
// other way of closing puts the copy back.
#include <array>

#include "pages/rules/pattern_wizard.h"
#include "pages/rules/rule_editor.h"
#include "widgets/record_editor_dialog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace talvex {

class FormBuilder;
class PatternWizardDialog;

class CEditRuleDlg : public RecordEditorDialog<RuleEditorSession> {
    Q_OBJECT
public:
    CEditRuleDlg(ShellContext& context, int entry, QWidget* parent = nullptr);

    RuleEditorFields readFields() const override;

private:
    void buildWidgets() override;
    // The fields, and the enabling that goes with them.
    void showFields(const RuleEditorFields& fields) override;
    // The parts of the dialog, top to bottom, in the keyboard's order.
    QLayout* buildHead(FormBuilder& form);
    QGroupBox* buildComparison(FormBuilder& form);
    QGroupBox* buildParameters(FormBuilder& form);
    QLayout* buildActions(FormBuilder& form);
    void applyEnabling();
    PatternTexts patternTexts() const;
    void takePatternTexts(const PatternTexts& texts, std::uint32_t base);
    void runWizard(QPushButton& button, PatternWizardDialog& wizard, std::uint32_t base);
    void runIpWizard();
    void runEcbWizard();

    QLineEdit* entryBox_ = nullptr;
    QComboBox* ruleType_ = nullptr;
    QComboBox* condition_ = nullptr;
    QStackedWidget* conditionArea_ = nullptr;
    QGroupBox* comparisonGroup_ = nullptr;
    QLineEdit* offset_ = nullptr;
    QLineEdit* length_ = nullptr;
    QComboBox* base_ = nullptr;
    QComboBox* operator_ = nullptr;
    QLineEdit* patternData_ = nullptr;
    QLineEdit* patternMask_ = nullptr;
    QPushButton* tcpip_ = nullptr;
    QPushButton* ecb_ = nullptr;
    std::array<QLabel*, 4> paramLabels_{};
    std::array<QLineEdit*, 4> params_{};
    QComboBox* thenAction_ = nullptr;
    QLineEdit* thenParam_ = nullptr;
    QComboBox* elseAction_ = nullptr;
    QLineEdit* elseParam_ = nullptr;
};

} // namespace talvex
