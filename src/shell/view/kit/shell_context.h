#pragma once
// What the application object hands to every page and editor: the one image,
// the `modified` flag, the two shared fonts, the hints window and the way
// modal dialogs are run (a test replaces that to answer dialogs itself).
#include <QFont>
#include <QString>
#include <functional>

#include "config/records.h"

class QDialog;

namespace talvex {

class ShellContext {
public:
    using HintSink = std::function<void(const QString&)>;
    using ModalRunner = std::function<int(QDialog&)>;

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
    int RunModal(QDialog& dialog) const;
    void setModalRunner(ModalRunner runner) { runModal_ = std::move(runner); }

private:
    ConfigImage& image_;
    bool& modified_;
    QFont listFont_;
    QFont dataFont_;
    HintSink showHint_;
    ModalRunner runModal_;
};

} // namespace talvex
