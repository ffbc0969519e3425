#include "pages/rules/view/pattern_wizard_dialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/rules/view/wizard_displays.h"
#include "widgets/dialog_buttons.h"

namespace talvex {

PatternWizardDialog::PatternWizardDialog(const ShellContext& context, const QString& title,
                                         QWidget* parent)
    : EditorDialog(parent), context_(context)
{
    setWindowTitle(title);
}

void PatternWizardDialog::buildFrame(QLayout* fields, const WizardOutput& opening)
{
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    displays_ = new WizardDisplays(context_.dataFont(), this);
    QDialogButtonBox* buttons = OkCancelButtons(*this);
    ok_ = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(rule);
    layout->addWidget(displays_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    showOutput(opening);
}

void PatternWizardDialog::showOutput(const WizardOutput& output)
{
    output_ = output;
    displays_->showDisplay(output_.display);
    ok_->setEnabled(output_.okEnabled);
}

std::optional<PatternTexts> PatternWizardDialog::generatedResults() const
{
    if (result() != QDialog::Accepted || !output_.generated)
        return std::nullopt;
    return output_.results;
}

bool PatternWizardDialog::commit() { return output_.okEnabled; }

} // namespace talvex
