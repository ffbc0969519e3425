#include "widgets/shell_context.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "widgets/dialog_focus.h"

namespace talvex {

namespace {

// Makes the hints window a window of the modal dialog while that runs and
// gives it back to its owner afterwards. The owner changes only once the
// dialog is up, since a window manager takes an owner only from a window it
// already shows.
class HintsHandOver {
public:
    HintsHandOver(QWidget* hints, QDialog& dialog) : hints_(hints)
    {
        if (!hints_ || !hints_->windowHandle())
            return;
        owner_ = hints_->windowHandle()->transientParent();
        QTimer::singleShot(0, &dialog, [hints = hints_, &dialog] {
            if (hints && hints->windowHandle() && dialog.isVisible())
                hints->windowHandle()->setTransientParent(dialog.windowHandle());
        });
    }
    ~HintsHandOver()
    {
        if (hints_ && hints_->windowHandle())
            hints_->windowHandle()->setTransientParent(owner_);
    }
    HintsHandOver(const HintsHandOver&) = delete;
    HintsHandOver& operator=(const HintsHandOver&) = delete;

private:
    QPointer<QWidget> hints_;
    QPointer<QWindow> owner_;
};

} // namespace

ShellContext::ShellContext(ConfigImage& image, bool& modified, QFont listFont, QFont dataFont,
                           HintSink showHint, ModalRunner runModal)
    : image_(image), modified_(modified), listFont_(std::move(listFont)),
      dataFont_(std::move(dataFont)), showHint_(std::move(showHint)), runModal_(std::move(runModal))
{
}

void ShellContext::setModified()
{
    modified_ = true;
    if (changed_)
        changed_();
}

void ShellContext::recordChange(const ConfigImage& before, ChangeDescription description)
{
    // The history tells whether anything changed, where there is one.
    const bool changed = history_ != nullptr
        ? history_->record(before, image_, std::move(description))
        : !SameTables(before, image_);
    if (changed)
        setModified();
}

std::string ShellContext::entriesText(TableKind table, std::span<const int> entries) const
{
    return entriesText_ ? entriesText_(image_, table, entries) : std::string();
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
    ShowFocusMarks(dialog);
    const HintsHandOver handOver(hintsWindow_, dialog);
    return dialog.exec();
}

QString ShellContext::chooseSaveName(QWidget* parent, const QString& title,
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
