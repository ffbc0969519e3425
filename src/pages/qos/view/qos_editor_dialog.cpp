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
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "pages/qos/qos_hints.h"
#include "widgets/dialog_buttons.h"
#include "widgets/dialog_focus.h"
#include "widgets/display_field.h"
#include "widgets/focus_hint_filter.h"
#include "widgets/mnemonic_text.h"
#include "widgets/shell_context.h"
#include "widgets/view_text.h"

namespace talvex {

namespace {

QLineEdit* DataBox(const char* name, const QFont& font, int widthInDigits, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(font);
    box->setFixedWidth(QFontMetrics(font).horizontalAdvance(QLatin1Char('0')) * widthInDigits + 12);
    return box;
}

void DigitsOnly(QLineEdit* box)
{
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
}

} // namespace

CEditQosDlg::CEditQosDlg(ShellContext& context, int entry, QWidget* parent)
    : EditorDialog(parent), context_(context), session_(context.image().qosTable, entry)
{
    setWindowTitle(QStringLiteral("Quality of Service"));
    buildWidgets();
    showFields(session_.openingFields());
    session_.setOpeningFields(readFields());
    FocusFirstField(*this);
}

void CEditQosDlg::buildWidgets()
{
    const QFont& dataFont = context_.dataFont();

    indexBox_ = DataBox("qosIndexBox", dataFont, 3, this);
    MakeDisplayField(*indexBox_);
    rateBox_ = DataBox("rateBox", dataFont, 10, this);
    DigitsOnly(rateBox_);
    bytesButton_ = NamedButton<QRadioButton>(QStringLiteral("&Bytes"), "bytesButton", this);
    framesButton_ = NamedButton<QRadioButton>(QStringLiteral("&Frames"), "framesButton", this);
    // One radio group. It excludes only once the operator has chosen a unit
    // (showFields), so an entry with neither bit, or both, shows as it is.
    unitGroup_ = new QButtonGroup(this);
    unitGroup_->addButton(bytesButton_);
    unitGroup_->addButton(framesButton_);
    secondsBox_ = DataBox("secondsBox", dataFont, 10, this);
    thresholdsBox_ =
        NamedButton<QCheckBox>(QStringLiteral("&Enable Thresholds"), "thresholdsBox", this);

    auto* thresholds = new QGroupBox(QStringLiteral("Thresholds"), this);
    lowBox_ = DataBox("lowBox", dataFont, 10, thresholds);
    DigitsOnly(lowBox_);
    highBox_ = DataBox("highBox", dataFont, 10, thresholds);
    DigitsOnly(highBox_);
    absoluteBox_ = NamedButton<QCheckBox>(QStringLiteral("&Use Absolute Thresholds"),
                                          "absoluteBox", thresholds);
    lowLabel_ = BuddyLabel(QStringLiteral("&Low:"), lowBox_, thresholds);
    highLabel_ = BuddyLabel(QStringLiteral("&High:"), highBox_, thresholds);
    auto* thresholdGrid = new QGridLayout(thresholds);
    thresholdGrid->addWidget(lowLabel_, 0, 0);
    thresholdGrid->addWidget(lowBox_, 0, 1);
    thresholdGrid->addWidget(highLabel_, 0, 2);
    thresholdGrid->addWidget(highBox_, 0, 3);
    thresholdGrid->addWidget(absoluteBox_, 1, 0, 1, 4);
    thresholdGrid->setColumnStretch(4, 1);

    fixedDelayBox_ = NamedButton<QCheckBox>(QStringLiteral("Fixed &Delay"), "fixedDelayBox", this);
    bankingBox_ = NamedButton<QCheckBox>(QStringLiteral("&Allow Banking "), "bankingBox", this);
    immortalBox_ =
        NamedButton<QCheckBox>(QStringLiteral("&Create Imortal Nodes"), "immortalBox", this);

    QDialogButtonBox* buttons = OkCancelButtons(*this);

    // Layout: entry and rate on top, then the sample period, the thresholds
    // and the remaining switches; OK and Cancel below, as in every editor.
    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel(QStringLiteral("QoS:"), indexBox_, this), 0, 0);
    grid->addWidget(indexBox_, 0, 1, Qt::AlignLeft);
    grid->addWidget(rateBox_, 1, 1);
    auto* rateLine = new QHBoxLayout;
    rateLine->addWidget(BuddyLabel(QStringLiteral("&Per Second"), rateBox_, this));
    rateLine->addSpacing(8);
    rateLine->addWidget(bytesButton_);
    rateLine->addWidget(framesButton_);
    rateLine->addStretch();
    grid->addLayout(rateLine, 1, 2);
    grid->addWidget(secondsBox_, 2, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("&Seconds Per Sample"), secondsBox_, this), 2, 2);
    grid->setColumnStretch(2, 1);

    auto* switches = new QHBoxLayout;
    switches->addWidget(fixedDelayBox_);
    switches->addWidget(bankingBox_);
    switches->addWidget(immortalBox_);
    switches->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(thresholdsBox_);
    layout->addWidget(thresholds);
    layout->addLayout(switches);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(rateBox_, bytesButton_);
    setTabOrder(bytesButton_, framesButton_);
    setTabOrder(framesButton_, secondsBox_);
    setTabOrder(secondsBox_, thresholdsBox_);
    setTabOrder(thresholdsBox_, lowBox_);
    setTabOrder(lowBox_, highBox_);
    setTabOrder(highBox_, absoluteBox_);
    setTabOrder(absoluteBox_, fixedDelayBox_);
    setTabOrder(fixedDelayBox_, bankingBox_);
    setTabOrder(bankingBox_, immortalBox_);
    setTabOrder(immortalBox_, buttons);

    connect(bytesButton_, &QRadioButton::clicked, this,
            [this] { chooseUnit(bytesButton_, framesButton_); });
    connect(framesButton_, &QRadioButton::clicked, this,
            [this] { chooseUnit(framesButton_, bytesButton_); });
    connect(thresholdsBox_, &QCheckBox::clicked, this, [this](bool checked) {
        enableThresholdControls(ThresholdControlsEnabled(checked));
    });

    auto* hints = new FocusHintFilter(context_, this);
    hints->watchFocus(rateBox_, QOS_RATE_HINT);
    hints->watchFocus(secondsBox_, QOS_SAMPLE_HINT);
    hints->watchFocus(lowBox_, QOS_LOW_HINT);
    hints->watchFocus(highBox_, QOS_HIGH_HINT);
    hints->watchClicks(bytesButton_, QOS_BYTES_HINT);
    hints->watchClicks(framesButton_, QOS_FRAMES_HINT);
    hints->watchClicks(thresholdsBox_, QOS_THRESHOLDS_HINT);
    hints->watchClicks(absoluteBox_, QOS_ABSOLUTE_HINT);
    hints->watchClicks(fixedDelayBox_, QOS_FIXED_DELAY_HINT);
    hints->watchClicks(bankingBox_, QOS_BANKING_HINT);
    hints->watchClicks(immortalBox_, QOS_IMMORTAL_HINT);
}

void CEditQosDlg::showFields(const QosEditorFields& fields)
{
    SetFieldText(*indexBox_, fields.index);
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
    enableThresholdControls(ThresholdControlsEnabled(fields.thresholds));
}

QosEditorFields CEditQosDlg::readFields() const
{
    QosEditorFields fields;
    fields.index = FieldText(*indexBox_);
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

bool CEditQosDlg::commit()
{
    // Invalid input: nothing stored, nothing shown, the editor stays open.
    return AcceptFields(session_, readFields(), context_);
}

void CEditQosDlg::cancel() { session_.cancel(); }

} // namespace talvex
