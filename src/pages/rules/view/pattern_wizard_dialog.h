#pragma once
// The frame both pattern wizards share: the wizard's own fields on top, then
// a rule, the offset, data and mask displays, and OK and Cancel. OK is
// enabled only while the generated pattern is usable, and refuses otherwise.
// Only OK returns results; a wizard never touches the image.
#include <optional>

#include "pages/rules/pattern_wizard.h"
#include "widgets/editor_dialog.h"
#include "widgets/shell_context.h"

class QLayout;
class QPushButton;

namespace talvex {

class WizardDisplays;

class PatternWizardDialog : public EditorDialog {
    Q_OBJECT
public:
    // The three texts of a pattern the wizard generated, once it ended with
    // OK; nothing after any other ending, and nothing after OK on the texts
    // the wizard was handed back unchanged (a load it could not make sense
    // of), which leave the rule editor's fields and From as they are.
    std::optional<PatternTexts> generatedResults() const;

protected:
    PatternWizardDialog(const ShellContext& context, const QString& title, QWidget* parent);

    // Lays out `fields` above the displays and the buttons and shows the
    // opening output. Called once, by the wizard's constructor after it made
    // its fields, so the keyboard order follows the reading order.
    void buildFrame(QLayout* fields, const WizardOutput& opening);
    // Shows a freshly generated output and enables OK by it.
    void showOutput(const WizardOutput& output);

private:
    bool commit() override;

    const ShellContext& context_;
    WizardDisplays* displays_ = nullptr;
    QPushButton* ok_ = nullptr;
    WizardOutput output_;
};

} // namespace talvex
