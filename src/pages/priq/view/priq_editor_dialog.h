#pragma once
// The "Edit Queue Priority" editor: one priority-queue entry of the live
// table, its place in a queue, the QoS node of a queue and four metrics.
#include "pages/priq/priq_editor.h"
#include "widgets/record_editor_dialog.h"

namespace talvex {

class CEditQueuePriorityDlg : public RecordEditorDialog<PriQEditorSession> {
    Q_OBJECT
public:
    // Opens the editor on entry `entry` (0 to 63): the entry's restore copy
    // is taken and its defaults are written at once.
    CEditQueuePriorityDlg(ShellContext& context, int entry, QWidget* parent = nullptr);

private:
    void buildWidgets(Form& form) override;
    QWidget* buildMetrics(Form& form);
};

} // namespace talvex
