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
#include "widgets/form_builder.h"
#include "widgets/view_text.h"

namespace talvex {

CEditQosDlg::CEditQosDlg(ShellContext& context, int entry, QWidget* parent)
    : RecordEditorDialog(context, context.image().qosTable, entry,
                         QStringLiteral("Quality of Service"), parent)
{
    openFields();
}

void CEditQosDlg::buildWidgets()
{
    FormBuilder form(*this, context());
    QLayout* rateAndSample = buildRateAndSample(form);
    thresholdsBox_ = form.checkBox(QStringLiteral("&Enable Thresholds"), "thresholdsBox",
                                   QOS_THRESHOLDS_HINT);
    QWidget* thresholds = buildThresholds(form);
    auto* switches = new QHBoxLayout;
    fixedDelayBox_ =
        form.checkBox(QStringLiteral("Fixed &Delay"), "fixedDelayBox", QOS_FIXED_DELAY_HINT);
    bankingBox_ = form.checkBox(QStringLiteral("&Allow Banking "), "bankingBox", QOS_BANKING_HINT);
    immortalBox_ = form.checkBox(QStringLiteral("&Create Imortal Nodes"), "immortalBox",
                                 QOS_IMMORTAL_HINT);
    for (QWidget* box : {fixedDelayBox_, bankingBox_, immortalBox_})
        switches->addWidget(box);
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
QLayout* CEditQosDlg::buildRateAndSample(FormBuilder& form)
{
    const LabelledBox entry = form.display(
        {.name = "entryBox", .label = QStringLiteral("QoS:"), .chars = 3, .dataFont = true});
    entryBox_ = entry.box;
    const LabelledBox rate =
        form.textBox({.name = "rateBox", .label = QStringLiteral("&Per Second"), .chars = 10,
                      .dataFont = true, .digitsOnly = true, .hint = QOS_RATE_HINT});
    rateBox_ = rate.box;
    bytesButton_ = form.radioButton(QStringLiteral("&Bytes"), "bytesButton", QOS_BYTES_HINT);
    framesButton_ = form.radioButton(QStringLiteral("&Frames"), "framesButton", QOS_FRAMES_HINT);
    // One radio group. It excludes only once the operator has chosen a unit
    // (showFields), so an entry with neither bit, or both, shows as it is.
    unitGroup_ = new QButtonGroup(this);
    unitGroup_->addButton(bytesButton_);
    unitGroup_->addButton(framesButton_);
    const LabelledBox seconds = form.textBox(
        {.name = "secondsBox", .label = QStringLiteral("&Seconds Per Sample"), .chars = 10,
         .dataFont = true, .hint = QOS_SAMPLE_HINT});
    secondsBox_ = seconds.box;

    auto* grid = new QGridLayout;
    grid->addWidget(entry.label, 0, 0);
    grid->addWidget(entryBox_, 0, 1, Qt::AlignLeft);
    grid->addWidget(rateBox_, 1, 1);
    auto* rateLine = new QHBoxLayout;
    rateLine->addWidget(rate.label);
    rateLine->addSpacing(8);
    rateLine->addWidget(bytesButton_);
    rateLine->addWidget(framesButton_);
    rateLine->addStretch();
    grid->addLayout(rateLine, 1, 2);
    grid->addWidget(secondsBox_, 2, 1);
    grid->addWidget(seconds.label, 2, 2);
    grid->setColumnStretch(2, 1);
    return grid;
}

QWidget* CEditQosDlg::buildThresholds(FormBuilder& form)
{
    const LabelledBox low =
        form.textBox({.name = "lowBox", .label = QStringLiteral("&Low:"), .chars = 10,
                      .dataFont = true, .digitsOnly = true, .hint = QOS_LOW_HINT});
    const LabelledBox high =
        form.textBox({.name = "highBox", .label = QStringLiteral("&High:"), .chars = 10,
                      .dataFont = true, .digitsOnly = true, .hint = QOS_HIGH_HINT});
    lowLabel_ = low.label;
    lowBox_ = low.box;
    highLabel_ = high.label;
    highBox_ = high.box;
    absoluteBox_ = form.checkBox(QStringLiteral("&Use Absolute Thresholds"), "absoluteBox",
                                 QOS_ABSOLUTE_HINT);

    auto* thresholds = new QGroupBox(QStringLiteral("Thresholds"), this);
    auto* grid = new QGridLayout(thresholds);
    grid->addWidget(lowLabel_, 0, 0);
    grid->addWidget(lowBox_, 0, 1);
    grid->addWidget(highLabel_, 0, 2);
    grid->addWidget(highBox_, 0, 3);
    grid->addWidget(absoluteBox_, 1, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    return thresholds;
}

void CEditQosDlg::showFields(const QosEditorFields& fields)
{
    SetFieldText(*entryBox_, fields.entry);
    SetFieldText(*rateBox_, fields.rate);
    SetFieldText(*secondsBox_, fields.seconds);
    SetFieldText(*lowBox_, fields.low);
    SetFieldText(*highBox_, fields.high);
    unitGroup_->setExclusive(false);
    bytesButton_->setChecked(fields.bytes);
    framesButton_->setChecked(fields.frames);
    unitGroup_->setExclusive(fields.bytes != fields.frames);
    thresholdsBox_->setChecked(fields.thresholds);
    absoluteBox_->setChecked(fields.absolute);
    fixedDelayBox_->setChecked(fields.fixedDelay);
    bankingBox_->setChecked(fields.banking);
    immortalBox_->setChecked(fields.immortal);
    enableThresholdControls(fields.thresholds);
}

QosEditorFields CEditQosDlg::readFields() const
{
    QosEditorFields fields;
    fields.entry = FieldText(*entryBox_);
    fields.rate = FieldText(*rateBox_);
    fields.seconds = FieldText(*secondsBox_);
    fields.low = FieldText(*lowBox_);
    fields.high = FieldText(*highBox_);
    fields.bytes = bytesButton_->isChecked();
    fields.frames = framesButton_->isChecked();
    fields.thresholds = thresholdsBox_->isChecked();
    fields.absolute = absoluteBox_->isChecked();
    fields.fixedDelay = fixedDelayBox_->isChecked();
    fields.banking = bankingBox_->isChecked();
    fields.immortal = immortalBox_->isChecked();
    return fields;
}

void CEditQosDlg::enableThresholdControls(bool enabled)
{
    for (QWidget* control : {static_cast<QWidget*>(lowLabel_), static_cast<QWidget*>(lowBox_),
                             static_cast<QWidget*>(highLabel_), static_cast<QWidget*>(highBox_),
                             static_cast<QWidget*>(absoluteBox_)})
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
