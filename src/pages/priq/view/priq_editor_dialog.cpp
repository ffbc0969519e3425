#include "pages/priq/view/priq_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "config/code_tables.h"
#include "widgets/choice_list.h"
#include "widgets/dialog_buttons.h"
#include "widgets/dialog_focus.h"
#include "widgets/display_field.h"
#include "widgets/mnemonic_text.h"
#include "widgets/view_text.h"

namespace talvex {

namespace {

constexpr const char* START_LABEL = "&Highest Priority ( Start A Priotity Queue )";
constexpr const char* END_LABEL = "&Lowest Priority ( End A Priority Queue )";
constexpr const char* QOS_NOTE = " ( Determines total bandwidth available )";
constexpr const char* METRICS_NOTE =
    "Each priority queueing algorithm can use up to 4 different variables to determine the "
    "outcome of the prioritization.   For specific info on the use of these please see the docs.";

QLineEdit* DataBox(const QFont& font, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setFont(font);
    box->setFixedWidth(QFontMetrics(font).horizontalAdvance(QLatin1Char('0')) * 12 + 12);
    return box;
}

} // namespace

CEditQueuePriorityDlg::CEditQueuePriorityDlg(ShellContext& context, int entryNumber,
                                             QWidget* parent)
    : EditorDialog(parent), context_(context), session_(context.image().priQTable, entryNumber)
{
    setWindowTitle(QStringLiteral("Edit Queue Priority"));
    const PriQEditorFields& shown = session_.openingFields();
    const QFont& dataFont = context_.dataFont();

    entryBox_ = DataBox(dataFont, ToQString(shown.entryNumber), this);
    entryBox_->setObjectName(QStringLiteral("priqBox"));
    MakeDisplayField(*entryBox_);
    qosBox_ = DataBox(dataFont, ToQString(shown.qos), this);
    qosBox_->setObjectName(QStringLiteral("qosBox"));
    qosBox_->setEnabled(session_.qosBoxEnabled());

    startBox_ = NamedButton<QCheckBox>(QString::fromUtf8(START_LABEL), "startBox", this);
    startBox_->setChecked(shown.startChecked);
    endBox_ = NamedButton<QCheckBox>(QString::fromUtf8(END_LABEL), "endBox", this);
    endBox_->setChecked(shown.endChecked);

    auto* top = new QGridLayout;
    top->addWidget(BuddyLabel(QStringLiteral("PriQ"), entryBox_, this), 0, 0);
    top->addWidget(entryBox_, 0, 1);
    top->addWidget(BuddyLabel(QStringLiteral("&QoS"), qosBox_, this), 1, 0);
    top->addWidget(qosBox_, 1, 1);
    top->addWidget(new QLabel(QString::fromUtf8(QOS_NOTE), this), 1, 2);
    top->addWidget(startBox_, 2, 0, 1, 3);
    top->addWidget(endBox_, 3, 0, 1, 3);
    top->setColumnStretch(2, 1);

    auto* metrics = new QGridLayout;
    for (std::size_t i = 0; i < metricBoxes_.size(); ++i) {
        const int row = static_cast<int>(i);
        metricBoxes_[i] = DataBox(dataFont, ToQString(shown.metrics[i]), this);
        metricBoxes_[i]->setObjectName(QStringLiteral("metric%1Box").arg(row + 1));
        const QString label = QStringLiteral("Metric &%1").arg(row + 1);
        metrics->addWidget(BuddyLabel(label, metricBoxes_[i], this), row, 0);
        metrics->addWidget(metricBoxes_[i], row, 1);
    }

    algorithmList_ = new QComboBox(this);
    algorithmList_->setObjectName(QStringLiteral("algorithmList"));
    FillChoiceList(*algorithmList_, AlgorithmTable());
    algorithmList_->setEnabled(false);
    auto* note = new QLabel(QString::fromUtf8(METRICS_NOTE), this);
    note->setWordWrap(true);
    auto* algorithmRow = new QHBoxLayout;
    algorithmRow->addWidget(
        BuddyLabel(QStringLiteral("Algorithm / Strategy"), algorithmList_, this));
    algorithmRow->addWidget(algorithmList_, 1);
    auto* aside = new QVBoxLayout;
    aside->addWidget(note);
    aside->addStretch(1);
    aside->addLayout(algorithmRow);

    auto* metricsFrame = new QFrame(this);
    metricsFrame->setFrameShape(QFrame::StyledPanel);
    auto* metricsLayout = new QHBoxLayout(metricsFrame);
    metricsLayout->addLayout(metrics);
    metricsLayout->addSpacing(12);
    metricsLayout->addLayout(aside, 1);

    QDialogButtonBox* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(metricsFrame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(qosBox_, startBox_);
    setTabOrder(startBox_, endBox_);
    setTabOrder(endBox_, metricBoxes_[0]);
    for (std::size_t i = 1; i < metricBoxes_.size(); ++i)
        setTabOrder(metricBoxes_[i - 1], metricBoxes_[i]);
    FocusFirstField(*this);
}

PriQEditorFields CEditQueuePriorityDlg::readFields() const
{
    PriQEditorFields fields;
    fields.entryNumber = FieldText(*entryBox_);
    fields.qos = FieldText(*qosBox_);
    for (std::size_t i = 0; i < metricBoxes_.size(); ++i)
        fields.metrics[i] = FieldText(*metricBoxes_[i]);
    fields.startChecked = startBox_->isChecked();
    fields.endChecked = endBox_->isChecked();
    return fields;
}

bool CEditQueuePriorityDlg::commit() { return AcceptFields(session_, readFields(), context_); }

void CEditQueuePriorityDlg::cancel() { session_.cancel(); }

} // namespace talvex
