#pragma once
// What the application object hands to every page and editor: the one image,
// the `modified` flag, the two shared fonts, the hints window and the way
// modal dialogs are run (a test replaces that to answer dialogs itself).
#include <QFont>
#include <QString>
#include <functional>

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

    ShellContext(ConfigImage& image, bool& modified, QFont listFont, QFont dataFont,
                 HintSink showHint, ModalRunner runModal = {});

    ConfigImage& image() const { return image_; }
    bool isModified() const { return modified_; }
    void setModified() { modified_ = true; }
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
    ModalRunner runModal_;
    SaveNameChooser chooseSaveName_;
    QWidget* hintsWindow_ = nullptr;
};

} // namespace talvex
