#include "widgets/editor_dialog.h"

namespace talvex {

EditorDialog::EditorDialog(QWidget* parent) : QDialog(parent) {}

void EditorDialog::accept() { done(QDialog::Accepted); }

void EditorDialog::reject() { done(QDialog::Rejected); }

void EditorDialog::done(int result)
{
    if (result == QDialog::Accepted) {
        if (!commit())
            return;
    } else {
        cancel();
    }
    QDialog::done(result);
}

} // namespace talvex
