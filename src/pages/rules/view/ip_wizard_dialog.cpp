#include "pages/rules/view/ip_wizard_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>

#include "widgets/view_text.h"
#include "widgets/mnemonic_text.h"

namespace talvex {

namespace {

// The object names of each field's box and text: "<name>Box", "<name>Text".
constexpr std::array<const char*, IP_FIELD_COUNT> FIELD_NAMES{
    "tos", "length", "protocol", "sourceIp", "destIp", "sourcePort", "destPort"};

QString FieldName(std::size_t field, const char* kind)
{
    return QString::fromLatin1(FIELD_NAMES[field]) + QString::fromLatin1(kind);
}

} // namespace

CIpWizardDlg::CIpWizardDlg(ShellContext& context, const PatternTexts& given, QWidget* parent)
    : PatternWizardDialog(context, QStringLiteral("IP Wizard"), parent)
{
    const IpWizardState state = OpenIpWizard(given);

    auto* fieldGrid = new QGridLayout;
    const auto fieldRows = IpFieldRows();
    QString mnemonics;
    for (std::size_t i = 0; i < fieldRows.size(); ++i) {
        const QString label = ToQString(fieldRows[i].label);
        boxes_[i] = new QCheckBox(this);
        boxes_[i]->setObjectName(FieldName(i, "Box"));
        SetButtonText(*boxes_[i], WithFreeMnemonic(label, mnemonics));
        boxes_[i]->setChecked(state.fields.checked[i]);
        texts_[i] = new QLineEdit(ToQString(state.fields.texts[i]), this);
        texts_[i]->setObjectName(FieldName(i, "Text"));
        texts_[i]->setAccessibleName(label);
        fieldGrid->addWidget(boxes_[i], static_cast<int>(i), 0);
        fieldGrid->addWidget(texts_[i], static_cast<int>(i), 1);
    }
    fieldGrid->setColumnStretch(1, 1);
    buildFrame(fieldGrid, state.output);

    // Connected only now, so filling the fields above generates nothing.
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        connect(boxes_[i], &QCheckBox::toggled, this, &CIpWizardDlg::regenerate);
        connect(texts_[i], &QLineEdit::textChanged, this, &CIpWizardDlg::regenerate);
    }
}

void CIpWizardDlg::regenerate()
{
    IpWizardFields fields;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        fields.checked[i] = boxes_[i]->isChecked();
        fields.texts[i] = ToStdString(texts_[i]->text());
    }
    showOutput(GenerateIpPattern(fields));
}

} // namespace talvex
