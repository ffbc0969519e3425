#include "shell/view/kit/shell_context.h"

#include <QDialog>

#include "shell/view/kit/dialog_focus.h"

namespace talvex {

ShellContext::ShellContext(ConfigImage& image, bool& modified, QFont listFont, QFont dataFont,
                           HintSink showHint, ModalRunner runModal)
    : image_(image), modified_(modified), listFont_(std::move(listFont)),
      dataFont_(std::move(dataFont)), showHint_(std::move(showHint)), runModal_(std::move(runModal))
{
}

void ShellContext::ShowHint(const QString& text) const
{
    if (showHint_)
        showHint_(text);
}

int ShellContext::RunModal(QDialog& dialog) const
{
    if (runModal_)
        return runModal_(dialog);
    // Window-modal: the hints window stays usable while an editor is open.
    dialog.setWindowModality(Qt::WindowModal);
    ShowFocusMarks(dialog);
    return dialog.exec();
}

} // namespace talvex
