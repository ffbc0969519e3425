#include "shell/view/sheet_closing.h"

#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include "shell/shell_messages.h"
#include "widgets/shell_context.h"

namespace talvex {

namespace {

QPushButton* AddButton(QMessageBox& box, const char* text, const char* objectName,
                       QMessageBox::ButtonRole role)
{
    QPushButton* button = box.addButton(QString::fromUtf8(text), role);
    button->setAccessibleName(button->text());
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

} // namespace

bool ConfirmDiscard(const ShellContext& context, QWidget& parent, const std::string& fileName)
{
    QMessageBox box(QMessageBox::Question, parent.windowTitle(),
                    QString::fromStdString(DiscardQuestion(fileName)), QMessageBox::NoButton,
                    &parent);
    QPushButton* discard = AddButton(box, DISCARD_BUTTON, "discardButton", QMessageBox::DestructiveRole);
    QPushButton* cancel = AddButton(box, CANCEL_BUTTON, "cancelButton", QMessageBox::RejectRole);
    // A reflex Return keeps the work.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    context.RunModal(box);
    return box.clickedButton() == discard;
}

bool SaveOrSaveAs(const ShellContext& context, QWidget& parent, const std::string& fileName,
                  const SaveFunction& save)
{
    std::string target = fileName;
    Failure failure;
    if (save(target, failure))
        return true;
    for (;;) {
        QMessageBox box(QMessageBox::Warning, parent.windowTitle(),
                        QString::fromStdString(SaveFailedMessage(target, failure.reason)),
                        QMessageBox::NoButton, &parent);
        QPushButton* saveAs = AddButton(box, SAVE_AS_BUTTON, "saveAsButton", QMessageBox::AcceptRole);
        QPushButton* cancel =
            AddButton(box, CANCEL_BUTTON, "cancelButton", QMessageBox::RejectRole);
        box.setDefaultButton(saveAs);
        box.setEscapeButton(cancel);
        context.RunModal(box);
        if (box.clickedButton() != saveAs)
            return false;
        const QString chosen = context.chooseSaveName(
            &parent, QString::fromUtf8(SAVE_AS_TITLE), QFile::decodeName(target.c_str()));
        if (chosen.isEmpty())
            continue;
        target = QFile::encodeName(chosen).toStdString();
        if (save(target, failure))
            return true;
    }
}

} // namespace talvex
