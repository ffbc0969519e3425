#pragma once
// The "Edit Queue Priority" editor: one priority-queue entry of the live
// table, its place in a queue, the QoS node of a queue and four metrics.
#include <array>

#include "pages/priq/priq_editor.h"
#include "widgets/editor_dialog.h"
#include "widgets/shell_context.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace talvex {

class CEditQueuePriorityDlg : public EditorDialog {
    Q_OBJECT
public:
    // Opens the editor on entry `entryNumber` (0 to 63): the entry's restore
    // copy is taken and its defaults are written at once.
    CEditQueuePriorityDlg(ShellContext& context, int entryNumber, QWidget* parent = nullptr);

private:
    // OK (also Enter): stores the fields when every number reads; otherwise
    // does nothing and the editor stays open.
    bool commit() override;
    // Cancel, Escape and closing the window: the entry is restored.
    void cancel() override;
    PriQEditorFields readFields() const;

    ShellContext& context_;
    PriQEditorSession session_;
    QLineEdit* entryBox_ = nullptr;
    QLineEdit* qosBox_ = nullptr;
    std::array<QLineEdit*, 4> metricBoxes_{};
    QCheckBox* startBox_ = nullptr;
    QCheckBox* endBox_ = nullptr;
    QComboBox* algorithmList_ = nullptr;
};

} // namespace talvex
