#pragma once
// What the application object hands to every page and editor: the one image,
// the `modified` flag, the history of changes, the two shared fonts, the
// hints window, the way modal dialogs are run (a test replaces that to answer
// dialogs itself) and the text of entries for the clipboard.
#include <QFont>
#include <QString>
#include <functional>
#include <span>
#include <string>

#include "config/change_history.h"
#include "config/records.h"

class QDialog;
class QWidget;

namespace talvex {

class ShellContext {
public:
    using HintSink = std::function<void(const QString&)>;
    using ModalRunner = std::function<int(QDialog&)>;
    using SaveNameChooser =
        std::function<QString(QWidget* parent, const QString& title, const QString& startPath)>;
    using EntriesText =
        std::function<std::string(const ConfigImage&, TableKind, std::span<const int> entries)>;

    ShellContext(ConfigImage& image, bool& modified, QFont listFont, QFont dataFont,
                 HintSink showHint, ModalRunner runModal = {});

    ConfigImage& image() const { return image_; }

    // `modified`: whether the image differs from the one last saved. Pages
    // and editors call setModified() after they changed a table; a change
    // listener (the sheet, which knows the saved image) then decides anew
    // with setModified(bool), so a change made back counts as none.
    bool isModified() const { return modified_; }
    void setModified();
    void setModified(bool value) { modified_ = value; }
    void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

    // A command ran: when it changed a byte of the tables (the image before
    // it against the image now), the change becomes one step of the history,
    // where there is one, and setModified() is called.
    void recordChange(const ConfigImage& before, ChangeDescription description);
    void setHistory(ChangeHistory* history) { history_ = history; }

    // The given entries as the configuration text writes them; empty when
    // the application gives no such text.
    std::string entriesText(TableKind table, std::span<const int> entries) const;
    void setEntriesText(EntriesText text) { entriesText_ = std::move(text); }
    const QFont& listFont() const { return listFont_; }
    const QFont& dataFont() const { return dataFont_; }

    // Replaces the whole text of the hints window.
    void ShowHint(const QString& text) const;
    void ShowHint(const char* text) const { ShowHint(QString::fromUtf8(text)); }

    // Runs a dialog window-modally and returns its result (QDialog::Accepted
    // or QDialog::Rejected). Tests install a runner that answers the dialog.
    // While the dialog runs, the hints window belongs to it: it stays above
    // the dialog and, as a window of the modal dialog, is not blocked by it,
    // so a long hint can still be scrolled while an editor is open.
    int RunModal(QDialog& dialog) const;
    void setModalRunner(ModalRunner runner) { runModal_ = std::move(runner); }

    // The hints window, handed from modal dialog to modal dialog by RunModal.
    void setHintsWindow(QWidget* hints) { hintsWindow_ = hints; }

    // Asks for a file to save to, opened on `startPath` (folder and name);
    // empty when the operator cancelled. A save-file dialog run through
    // RunModal, unless a test installs a chooser that answers.
    QString chooseSaveName(QWidget* parent, const QString& title, const QString& startPath) const;
    void setSaveNameChooser(SaveNameChooser chooser) { chooseSaveName_ = std::move(chooser); }

private:
    ConfigImage& image_;
    bool& modified_;
    QFont listFont_;
    QFont dataFont_;
    HintSink showHint_;
    std::function<void()> changed_;
    ChangeHistory* history_ = nullptr;
    EntriesText entriesText_;
    ModalRunner runModal_;
    SaveNameChooser chooseSaveName_;
    QWidget* hintsWindow_ = nullptr;
};

} // namespace talvex
