#include "pages/priq/view/priq_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "config/code_tables.h"

namespace talvex {

namespace {

constexpr const char* START_LABEL = "&Highest Priority ( Start A Priotity Queue )";
constexpr const char* END_LABEL = "&Lowest Priority ( End A Priority Queue )";
constexpr const char* QOS_NOTE = " ( Determines total bandwidth available )";
constexpr const char* METRICS_NOTE =
    "Each priority queueing algorithm can use up to 4 different variables to determine the "
    "outcome of the prioritization.   For specific info on the use of these please see the docs.";
constexpr std::array<const char*, 4> METRIC_BOX_NAMES{"metric1Box", "metric2Box", "metric3Box",
                                                      "metric4Box"};
constexpr int NUMBER_CHARS = 12;

} // namespace

CEditQueuePriorityDlg::CEditQueuePriorityDlg(ShellContext& context, int entry, QWidget* parent)
    : RecordEditorDialog(context, entry, QStringLiteral("Edit Queue Priority"), parent)
{
    openFields();
}

void CEditQueuePriorityDlg::buildWidgets(Form& form)
{
    using F = PriQEditorFields;
    const LabelledBox entry = form.display({.name = "entryBox", .label = QStringLiteral("PriQ"),
                                            .chars = NUMBER_CHARS, .dataFont = true},
                                           &F::entry);
    const LabelledBox qos = form.textBox({.name = "qosBox", .label = QStringLiteral("&QoS"),
                                          .chars = NUMBER_CHARS, .dataFont = true},
                                         &F::qos);
    // Decided once, at open: later clicks on the boxes do not change it.
    qos.box->setEnabled(session().qosBoxEnabled());
    QCheckBox* start = form.checkBox(QString::fromUtf8(START_LABEL), "startBox", {},
                                     &F::startChecked);
    QCheckBox* end = form.checkBox(QString::fromUtf8(END_LABEL), "endBox", {}, &F::endChecked);
    QWidget* metrics = buildMetrics(form);

    auto* top = new QGridLayout;
    top->addWidget(entry.label, 0, 0);
    top->addWidget(entry.box, 0, 1);
    top->addWidget(qos.label, 1, 0);
    top->addWidget(qos.box, 1, 1);
    top->addWidget(new QLabel(QString::fromUtf8(QOS_NOTE), this), 1, 2);
    top->addWidget(start, 2, 0, 1, 3);
    top->addWidget(end, 3, 0, 1, 3);
    top->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(metrics);
    layout->addWidget(form.okCancel());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The four metrics beside the note on them and the algorithm.
QWidget* CEditQueuePriorityDlg::buildMetrics(Form& form)
{
    auto* metrics = new QGridLayout;
    for (int row = 0; row < 4; ++row) {
        const auto i = static_cast<std::size_t>(row);
        const LabelledBox metric = form.textBox({.name = METRIC_BOX_NAMES[i],
                                                 .label = QStringLiteral("Metric &%1").arg(row + 1),
                                                 .chars = NUMBER_CHARS,
                                                 .dataFont = true},
                                                &PriQEditorFields::metrics, i);
        metrics->addWidget(metric.label, row, 0);
        metrics->addWidget(metric.box, row, 1);
    }
    // Stores nothing: the record has no field for the algorithm.
    const LabelledChoice algorithm = form.choice(
        {.name = "algorithmList", .label = QStringLiteral("Algorithm / Strategy")},
        AlgorithmTable());
    algorithm.list->setEnabled(false);

    auto* note = new QLabel(QString::fromUtf8(METRICS_NOTE), this);
    note->setWordWrap(true);
    auto* algorithmRow = new QHBoxLayout;
    algorithmRow->addWidget(algorithm.label);
    algorithmRow->addWidget(algorithm.list, 1);
    auto* aside = new QVBoxLayout;
    aside->addWidget(note);
    aside->addStretch(1);
    aside->addLayout(algorithmRow);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(frame);
    layout->addLayout(metrics);
    layout->addSpacing(12);
    layout->addLayout(aside, 1);
    return frame;
}

} // namespace talvex
