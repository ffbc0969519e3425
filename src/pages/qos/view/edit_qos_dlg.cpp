#include "pages/qos/view/edit_qos_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "pages/qos/qos_hints.h"
#include "shell/view/kit/focus_hint_filter.h"
#include "shell/view/kit/shell_context.h"

namespace talvex {

namespace {

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

void SetText(QLineEdit* box, const std::string& text) { box->setText(QString::fromStdString(text)); }

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

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

template <typename Button>
Button* NamedButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new Button(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text);
    return button;
}

} // namespace

CEditQosDlg::CEditQosDlg(ShellContext& context, int entry, QWidget* parent)
    : QDialog(parent), context_(context),
      node_(context.image().qosTable.at(static_cast<std::size_t>(entry))),
      restoreCopy_(OpenQosEditor(node_))
{
    setWindowTitle(QStringLiteral("Quality of Service"));
    buildWidgets();
    showFields(DecodeQosEditor(node_, entry));
    openingFields_ = readFields();
}

CEditQosDlg::~CEditQosDlg()
{
    // A dialog torn down without OK or Cancel leaves no trace either.
    if (!finished_)
        CancelQosEditor(restoreCopy_, node_);
}

void CEditQosDlg::buildWidgets()
{
    const QFont& dataFont = context_.dataFont();

    indexBox_ = DataBox("qosIndexBox", dataFont, 3, this);
    indexBox_->setReadOnly(true);
    rateBox_ = DataBox("rateBox", dataFont, 10, this);
    DigitsOnly(rateBox_);
    bytesButton_ = NamedButton<QRadioButton>(QStringLiteral("Bytes"), "bytesButton", this);
    framesButton_ = NamedButton<QRadioButton>(QStringLiteral("Frames"), "framesButton", this);
    // The two exclude each other only when the operator chooses one, so an
    // entry with neither bit, or both, shows as it is.
    bytesButton_->setAutoExclusive(false);
    framesButton_->setAutoExclusive(false);
    secondsBox_ = DataBox("secondsBox", dataFont, 10, this);
    thresholdsBox_ =
        NamedButton<QCheckBox>(QStringLiteral("Enable Thresholds"), "thresholdsBox", this);

    auto* thresholds = new QGroupBox(QStringLiteral("Thresholds"), this);
    lowBox_ = DataBox("lowBox", dataFont, 10, thresholds);
    DigitsOnly(lowBox_);
    highBox_ = DataBox("highBox", dataFont, 10, thresholds);
    DigitsOnly(highBox_);
    absoluteBox_ = NamedButton<QCheckBox>(QStringLiteral("Use Absolute Thresholds"),
                                          "absoluteBox", thresholds);
    lowLabel_ = BuddyLabel(QStringLiteral("Low:"), lowBox_, thresholds);
    highLabel_ = BuddyLabel(QStringLiteral("High:"), highBox_, thresholds);
    auto* thresholdGrid = new QGridLayout(thresholds);
    thresholdGrid->addWidget(lowLabel_, 0, 0);
    thresholdGrid->addWidget(lowBox_, 0, 1);
    thresholdGrid->addWidget(highLabel_, 0, 2);
    thresholdGrid->addWidget(highBox_, 0, 3);
    thresholdGrid->addWidget(absoluteBox_, 1, 0, 1, 4);
    thresholdGrid->setColumnStretch(4, 1);

    fixedDelayBox_ = NamedButton<QCheckBox>(QStringLiteral("Fixed Delay"), "fixedDelayBox", this);
    bankingBox_ = NamedButton<QCheckBox>(QStringLiteral("Allow Banking "), "bankingBox", this);
    immortalBox_ =
        NamedButton<QCheckBox>(QStringLiteral("Create Imortal Nodes"), "immortalBox", this);

    okButton_ = NamedButton<QPushButton>(QStringLiteral("OK"), "okButton", this);
    okButton_->setDefault(true);
    cancelButton_ = NamedButton<QPushButton>(QStringLiteral("Cancel"), "cancelButton", this);
    cancelButton_->setAutoDefault(false);

    // Layout: entry and rate on top, then the sample period, the thresholds
    // and the remaining switches; the commands at the right.
    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel(QStringLiteral("QoS:"), indexBox_, this), 0, 0);
    grid->addWidget(indexBox_, 0, 1, Qt::AlignLeft);
    grid->addWidget(rateBox_, 1, 1);
    auto* rateLine = new QHBoxLayout;
    rateLine->addWidget(BuddyLabel(QStringLiteral("Per Second"), rateBox_, this));
    rateLine->addSpacing(8);
    rateLine->addWidget(bytesButton_);
    rateLine->addWidget(framesButton_);
    rateLine->addStretch();
    grid->addLayout(rateLine, 1, 2);
    grid->addWidget(secondsBox_, 2, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("Seconds Per Sample"), secondsBox_, this), 2, 2);
    grid->setColumnStretch(2, 1);

    auto* switches = new QHBoxLayout;
    switches->addWidget(fixedDelayBox_);
    switches->addWidget(bankingBox_);
    switches->addWidget(immortalBox_);
    switches->addStretch();

    auto* fields = new QVBoxLayout;
    fields->addLayout(grid);
    fields->addWidget(thresholdsBox_);
    fields->addWidget(thresholds);
    fields->addLayout(switches);

    auto* commands = new QVBoxLayout;
    commands->addWidget(okButton_);
    commands->addWidget(cancelButton_);
    commands->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(commands);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(indexBox_, rateBox_);
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
    setTabOrder(immortalBox_, okButton_);
    setTabOrder(okButton_, cancelButton_);

    connect(okButton_, &QPushButton::clicked, this, &CEditQosDlg::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CEditQosDlg::reject);
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
    SetText(indexBox_, fields.index);
    SetText(rateBox_, fields.rate);
    SetText(secondsBox_, fields.seconds);
    SetText(lowBox_, fields.low);
    SetText(highBox_, fields.high);
    bytesButton_->setChecked(fields.bytes);
    framesButton_->setChecked(fields.frames);
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
    fields.index = Text(indexBox_);
    fields.rate = Text(rateBox_);
    fields.seconds = Text(secondsBox_);
    fields.low = Text(lowBox_);
    fields.high = Text(highBox_);
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
    // Without auto-exclusion a click on a checked button would clear it.
    chosen->setChecked(true);
    other->setChecked(false);
}

void CEditQosDlg::accept()
{
    // Invalid input: nothing stored, nothing shown, the editor stays open.
    if (!AcceptQosEditor(openingFields_, readFields(), node_))
        return;
    context_.setModified();
    finished_ = true;
    QDialog::accept();
}

void CEditQosDlg::reject()
{
    if (!finished_)
        CancelQosEditor(restoreCopy_, node_);
    finished_ = true;
    QDialog::reject();
}

} // namespace talvex
