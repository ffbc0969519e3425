#include "pages/rules/view/ip_wizard_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/rules/view/view_text.h"
#include "pages/rules/view/wizard_displays.h"

namespace talvex {

IpWizardDialog::IpWizardDialog(ShellContext& context, const PatternTexts& given, QWidget* parent)
    : QDialog(parent), displays_(new WizardDisplays(context.dataFont(), this))
{
    setWindowTitle(QStringLiteral("IP Wizard"));
    const IpWizardState state = OpenIpWizard(given);

    auto* fieldGrid = new QGridLayout;
    const auto specs = IpFieldSpecs();
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const QString label = ToQString(specs[i].label);
        boxes_[i] = new QCheckBox(label, this);
        boxes_[i]->setAccessibleName(label);
        boxes_[i]->setChecked(state.fields.checked[i]);
        texts_[i] = new QLineEdit(ToQString(state.fields.texts[i]), this);
        texts_[i]->setAccessibleName(label);
        fieldGrid->addWidget(boxes_[i], static_cast<int>(i), 0);
        fieldGrid->addWidget(texts_[i], static_cast<int>(i), 1);
    }
    fieldGrid->setColumnStretch(1, 1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* button : buttons->buttons())
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &IpWizardDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &IpWizardDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldGrid);
    layout->addWidget(rule);
    layout->addWidget(displays_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    output_ = state.output;
    showOutput();
    // Connected only now, so filling the fields above generates nothing.
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        connect(boxes_[i], &QCheckBox::toggled, this, &IpWizardDialog::regenerate);
        connect(texts_[i], &QLineEdit::textChanged, this, &IpWizardDialog::regenerate);
    }
}

void IpWizardDialog::regenerate()
{
    IpWizardFields fields;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        fields.checked[i] = boxes_[i]->isChecked();
        fields.texts[i] = ToStdString(texts_[i]->text());
    }
    output_ = GenerateIpPattern(fields);
    showOutput();
}

void IpWizardDialog::showOutput()
{
    displays_->showDisplay(output_.display);
    ok_->setEnabled(output_.okEnabled);
}

void IpWizardDialog::accept()
{
    if (!output_.okEnabled)
        return;
    QDialog::accept();
}

} // namespace talvex
