#include "pages/rules/view/ecb_wizard_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/code_tables.h"
#include "config/view/choice_list.h"
#include "pages/rules/view/wizard_displays.h"

namespace talvex {

EcbWizardDialog::EcbWizardDialog(ShellContext& context, const PatternTexts& given,
                                 QWidget* parent)
    : QDialog(parent), protocolId_(new QCheckBox(QStringLiteral("Protocol ID"), this)),
      protocol_(new QComboBox(this)), displays_(new WizardDisplays(context.dataFont(), this))
{
    setWindowTitle(QStringLiteral("ECB Wizard"));
    protocolId_->setAccessibleName(QStringLiteral("Protocol ID"));
    protocol_->setAccessibleName(QStringLiteral("Protocol"));
    FillChoiceList(*protocol_, ProtocolIdTable());

    const EcbWizardState state = OpenEcbWizard(given);
    protocolId_->setChecked(state.fields.checked);
    SelectChoiceByCode(*protocol_, state.fields.protocol);

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(protocolId_);
    choiceRow->addWidget(protocol_, 1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* button : buttons->buttons())
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &EcbWizardDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EcbWizardDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choiceRow);
    layout->addWidget(rule);
    layout->addWidget(displays_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    output_ = state.output;
    showOutput();
    connect(protocolId_, &QCheckBox::toggled, this, &EcbWizardDialog::regenerate);
    connect(protocol_, &QComboBox::currentIndexChanged, this, &EcbWizardDialog::regenerate);
}

void EcbWizardDialog::regenerate()
{
    EcbWizardFields fields;
    fields.checked = protocolId_->isChecked();
    fields.protocol = static_cast<std::uint32_t>(SelectedChoiceCode(*protocol_));
    output_ = GenerateEcbPattern(fields);
    showOutput();
}

void EcbWizardDialog::showOutput()
{
    displays_->showDisplay(output_.display);
    ok_->setEnabled(output_.okEnabled);
}

void EcbWizardDialog::accept()
{
    if (!output_.okEnabled)
        return;
    QDialog::accept();
}

} // namespace talvex
