#pragma once
// The frame both pattern wizards share: the wizard's own fields on top, then
// a rule, the offset, data and mask displays, and OK and Cancel. OK is
// enabled only while the generated pattern is usable, and accept() refuses
// otherwise. Only OK returns results.
#include <QDialog>

#include "pages/rules/pattern_wizard.h"
#include "widgets/shell_context.h"

class QLayout;
class QPushButton;

namespace talvex {

class WizardDisplays;

class PatternWizardDialog : public QDialog {
    Q_OBJECT
public:
    // The three texts OK returns (meaningful after the dialog was accepted).
    const PatternTexts& results() const { return output_.results; }
    // Whether the results are a generated pattern rather than the texts the
    // wizard was handed (after a load it could not make sense of).
    bool generatedPattern() const { return output_.generated; }

public slots:
    void accept() override;

protected:
    PatternWizardDialog(const ShellContext& context, const QString& title, QWidget* parent);

    // Lays out `fields` above the displays and the buttons and shows the
    // opening output. Called once, by the wizard's constructor after it made
    // its fields, so the keyboard order follows the reading order.
    void buildFrame(QLayout* fields, const WizardOutput& opening);
    // Shows a freshly generated output and enables OK by it.
    void showOutput(const WizardOutput& output);

private:
    const ShellContext& context_;
    WizardDisplays* displays_ = nullptr;
    QPushButton* ok_ = nullptr;
    WizardOutput output_;
};

} // namespace talvex
