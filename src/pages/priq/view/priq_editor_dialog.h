#pragma once
// The "Edit Queue Priority" editor: one priority-queue entry of the live
// table, its place in a queue, the QoS node of a queue and four metrics.
#include <array>

#include "pages/priq/priq_editor.h"
#include "widgets/record_editor_dialog.h"

class QCheckBox;
class QLineEdit;

namespace talvex {

class FormBuilder;

class CEditQueuePriorityDlg : public RecordEditorDialog<PriQEditorSession> {
    Q_OBJECT
public:
    // Opens the editor on entry `entry` (0 to 63): the entry's restore copy
    // is taken and its defaults are written at once.
    CEditQueuePriorityDlg(ShellContext& context, int entry, QWidget* parent = nullptr);

    PriQEditorFields readFields() const override;

private:
    void buildWidgets() override;
    void showFields(const PriQEditorFields& fields) override;
    QWidget* buildMetrics(FormBuilder& form);

    QLineEdit* entryBox_ = nullptr;
    QLineEdit* qosBox_ = nullptr;
    std::array<QLineEdit*, 4> metricBoxes_{};
    QCheckBox* startBox_ = nullptr;
    QCheckBox* endBox_ = nullptr;
};

} // namespace talvex
