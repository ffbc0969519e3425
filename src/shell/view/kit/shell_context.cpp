#include "shell/view/kit/shell_context.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>

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
    // Window-modal: it holds up the window it belongs to, not the whole
    // program.
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

QString ShellContext::ChooseSaveName(QWidget* parent, const QString& title,
                                     const QString& startPath) const
{
    if (chooseSaveName_)
        return chooseSaveName_(parent, title, startPath);
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QFileInfo start(startPath);
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace talvex
