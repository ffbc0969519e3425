#pragma once
// The "Edit Rule..." dialog: edits one slot of the rule table in place. The
// record is opened (copy taken, new-rule default written) when the dialog is
// built; OK encodes the fields through the core and sets `modified`, every
// other way of closing puts the copy back.
#include <array>

#include "pages/rules/pattern_wizard.h"
#include "pages/rules/rule_editor.h"
#include "widgets/editor_dialog.h"
#include "widgets/shell_context.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace talvex {

class PatternWizardDialog;

class CEditRuleDlg : public EditorDialog {
    Q_OBJECT
public:
    CEditRuleDlg(ShellContext& context, int slot, QWidget* parent = nullptr);

    // The fields as the dialog shows them now.
    RuleEditorFields readFields() const;

private:
    bool commit() override;
    void cancel() override;
    void buildWidgets();
    // The fields, and the enabling that goes with them.
    void showFields(const RuleEditorFields& fields);
    void applyEnabling();
    PatternTexts patternTexts() const;
    void takePatternTexts(const PatternTexts& texts, std::uint32_t base);
    void runWizard(QPushButton& button, PatternWizardDialog& wizard, std::uint32_t base);
    void runIpWizard();
    void runEcbWizard();

    ShellContext& context_;
    RuleEditorSession session_;

    QLineEdit* rule_ = nullptr;
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
    QGroupBox* parameterGroup_ = nullptr;
    std::array<QLabel*, 4> paramLabels_{};
    std::array<QLineEdit*, 4> params_{};
    QComboBox* thenAction_ = nullptr;
    QLineEdit* thenParam_ = nullptr;
    QComboBox* elseAction_ = nullptr;
    QLineEdit* elseParam_ = nullptr;
};

} // namespace talvex
