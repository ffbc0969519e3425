#include "pages/rules/view/ecb_wizard_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>

#include "config/code_tables.h"
#include "widgets/choice_list.h"
#include "widgets/mnemonic_text.h"
#include "widgets/named_widget.h"

namespace talvex {

CEcbWizardDlg::CEcbWizardDlg(ShellContext& context, const PatternTexts& given, QWidget* parent)
    : PatternWizardDialog(context, QStringLiteral("ECB Wizard"), parent),
      protocolId_(Named(new QCheckBox(this), "protocolIdBox")),
      protocol_(Named(new QComboBox(this), "protocolList"))
{
    SetButtonText(*protocolId_, QStringLiteral("&Protocol ID"));
    protocol_->setAccessibleName(QStringLiteral("Protocol"));
    FillChoiceList(*protocol_, ProtocolIdTable());

    const EcbWizardState state = OpenEcbWizard(given);
    protocolId_->setChecked(state.fields.checked);
    SelectChoiceByCode(*protocol_, state.fields.protocol);

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(protocolId_);
    choiceRow->addWidget(protocol_, 1);
    buildFrame(choiceRow, state.output);

    connect(protocolId_, &QCheckBox::toggled, this, &CEcbWizardDlg::regenerate);
    connect(protocol_, &QComboBox::currentIndexChanged, this, &CEcbWizardDlg::regenerate);
}

void CEcbWizardDlg::regenerate()
{
    EcbWizardFields fields;
    fields.checked = protocolId_->isChecked();
    fields.protocol = static_cast<std::uint32_t>(SelectedChoiceCode(*protocol_));
    showOutput(GenerateEcbPattern(fields));
}

} // namespace talvex
