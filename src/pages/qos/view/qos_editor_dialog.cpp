#include "pages/qos/view/qos_editor_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "pages/qos/qos_hints.h"

namespace talvex {

CEditQosDlg::CEditQosDlg(ShellContext& context, int entry, QWidget* parent)
    : RecordEditorDialog(context, entry, QStringLiteral("Quality of Service"), parent)
{
    openFields();
}

void CEditQosDlg::buildWidgets(Form& form)
{
    using F = QosEditorFields;
    QLayout* rateAndSample = buildRateAndSample(form);
    thresholdsBox_ = form.checkBox(QStringLiteral("&Enable Thresholds"), "thresholdsBox",
                                   QOS_THRESHOLDS_HINT, &F::thresholds);
    QWidget* thresholds = buildThresholds(form);
    auto* switches = new QHBoxLayout;
    switches->addWidget(form.checkBox(QStringLiteral("Fixed &Delay"), "fixedDelayBox",
                                      QOS_FIXED_DELAY_HINT, &F::fixedDelay));
    switches->addWidget(form.checkBox(QStringLiteral("&Allow Banking "), "bankingBox",
                                      QOS_BANKING_HINT, &F::banking));
    switches->addWidget(form.checkBox(QStringLiteral("&Create Imortal Nodes"), "immortalBox",
                                      QOS_IMMORTAL_HINT, &F::immortal));
    switches->addStretch();

    // Entry and rate on top, then the sample period, the thresholds and the
    // remaining switches; OK and Cancel below, as in every editor.
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rateAndSample);
    layout->addWidget(thresholdsBox_);
    layout->addWidget(thresholds);
    layout->addLayout(switches);
    layout->addWidget(form.okCancel());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(bytesButton_, &QRadioButton::clicked, this,
            [this] { chooseUnit(bytesButton_, framesButton_); });
    connect(framesButton_, &QRadioButton::clicked, this,
            [this] { chooseUnit(framesButton_, bytesButton_); });
    connect(thresholdsBox_, &QCheckBox::clicked, this, &CEditQosDlg::enableThresholdControls);
}

// The entry, the rate with its unit and the sample period.
QLayout* CEditQosDlg::buildRateAndSample(Form& form)
{
    using F = QosEditorFields;
    const LabelledBox entry = form.display(
        {.name = "entryBox", .label = QStringLiteral("QoS:"), .chars = 3, .dataFont = true},
        &F::entry);
    const LabelledBox rate = form.textBox({.name = "rateBox",
                                           .label = QStringLiteral("&Per Second"),
                                           .chars = NUMBER_CHARS,
                                           .dataFont = true,
                                           .digitsOnly = true,
                                           .hint = QOS_RATE_HINT},
                                          &F::rate);
    bytesButton_ =
        form.radioButton(QStringLiteral("&Bytes"), "bytesButton", QOS_BYTES_HINT, &F::bytes);
    framesButton_ =
        form.radioButton(QStringLiteral("&Frames"), "framesButton", QOS_FRAMES_HINT, &F::frames);
    // One radio group. It excludes only once the operator has chosen a unit
    // (afterShow), so an entry with neither bit, or both, shows as it is.
    unitGroup_ = new QButtonGroup(this);
    unitGroup_->addButton(bytesButton_);
    unitGroup_->addButton(framesButton_);
    const LabelledBox seconds = form.textBox({.name = "secondsBox",
                                              .label = QStringLiteral("&Seconds Per Sample"),
                                              .chars = NUMBER_CHARS,
                                              .dataFont = true,
                                              .hint = QOS_SAMPLE_HINT},
                                             &F::seconds);

    auto* grid = new QGridLayout;
    grid->addWidget(entry.label, 0, 0);
    grid->addWidget(entry.box, 0, 1, Qt::AlignLeft);
    grid->addWidget(rate.box, 1, 1);
    auto* rateLine = new QHBoxLayout;
    rateLine->addWidget(rate.label);
    rateLine->addSpacing(8);
    rateLine->addWidget(bytesButton_);
    rateLine->addWidget(framesButton_);
    rateLine->addStretch();
    grid->addLayout(rateLine, 1, 2);
    grid->addWidget(seconds.box, 2, 1);
    grid->addWidget(seconds.label, 2, 2);
    grid->setColumnStretch(2, 1);
    return grid;
}

QWidget* CEditQosDlg::buildThresholds(Form& form)
{
    using F = QosEditorFields;
    const auto threshold = [&form](const char* name, const char* label, std::string_view hint,
                                   std::string F::*member) {
        return form.textBox({.name = name,
                             .label = QString::fromLatin1(label),
                             .chars = NUMBER_CHARS,
                             .dataFont = true,
                             .digitsOnly = true,
                             .hint = hint},
                            member);
    };
    const LabelledBox low = threshold("lowBox", "&Low:", QOS_LOW_HINT, &F::low);
    const LabelledBox high = threshold("highBox", "&High:", QOS_HIGH_HINT, &F::high);
    QCheckBox* absolute = form.checkBox(QStringLiteral("&Use Absolute Thresholds"),
                                        "absoluteBox", QOS_ABSOLUTE_HINT, &F::absolute);
    thresholdControls_ = {low.label, low.box, high.label, high.box, absolute};

    auto* thresholds = new QGroupBox(QStringLiteral("Thresholds"), this);
    auto* grid = new QGridLayout(thresholds);
    grid->addWidget(low.label, 0, 0);
    grid->addWidget(low.box, 0, 1);
    grid->addWidget(high.label, 0, 2);
    grid->addWidget(high.box, 0, 3);
    grid->addWidget(absolute, 1, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    return thresholds;
}

void CEditQosDlg::beforeShow(const QosEditorFields&) { unitGroup_->setExclusive(false); }

void CEditQosDlg::afterShow(const QosEditorFields& fields)
{
    unitGroup_->setExclusive(fields.bytes != fields.frames);
    enableThresholdControls(fields.thresholds);
}

void CEditQosDlg::enableThresholdControls(bool enabled)
{
    for (QWidget* control : thresholdControls_)
        control->setEnabled(enabled);
}

void CEditQosDlg::chooseUnit(QRadioButton* chosen, QRadioButton* other)
{
    // Before the group excludes, a click on a checked button clears it.
    chosen->setChecked(true);
    other->setChecked(false);
    unitGroup_->setExclusive(true);
}

} // namespace talvex
