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

class PatternWizardDialog;

class CEditRuleDlg : public RecordEditorDialog<RuleEditorSession> {
    Q_OBJECT
public:
    CEditRuleDlg(ShellContext& context, int entry, QWidget* parent = nullptr);

private:
    void buildWidgets(Form& form) override;
    void afterShow(const RuleEditorFields& fields) override;
    // The parts of the dialog, top to bottom, in the keyboard's order.
    QLayout* buildHead(Form& form);
    QGroupBox* buildComparison(Form& form);
    QGroupBox* buildParameters(Form& form);
    QLayout* buildActions(Form& form);
    // The fields usable for the choices shown.
    void applyEnabling();
    // A change of this choice changes what is usable.
    void watchChoice(QComboBox* list);
    PatternTexts patternTexts() const;
    void takePatternTexts(const PatternTexts& texts, std::uint32_t base);
    void runWizard(QPushButton& button, PatternWizardDialog& wizard, std::uint32_t base);
    void runIpWizard();
    void runEcbWizard();

    // What the enabling and the wizards work on.
    QStackedWidget* conditionArea_ = nullptr;
    QGroupBox* comparisonGroup_ = nullptr;
    QPushButton* tcpip_ = nullptr;
    QPushButton* ecb_ = nullptr;
    std::array<QLabel*, 4> paramLabels_{};
    std::array<QLineEdit*, 4> params_{};
    QLineEdit* thenParam_ = nullptr;
    QLineEdit* elseParam_ = nullptr;
};

} // namespace talvex
