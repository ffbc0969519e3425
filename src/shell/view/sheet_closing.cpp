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

namespace {

// The file dialog of "Save As...", on `target`'s folder and name; nothing
// when cancelled.
std::optional<std::string> ChooseSaveName(const ShellContext& context, QWidget& parent,
                                          const std::string& target)
{
    const QString chosen = context.chooseSaveName(&parent, QString::fromUtf8(SAVE_AS_TITLE),
                                                  QFile::decodeName(target.c_str()));
    if (chosen.isEmpty())
        return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
}

} // namespace

std::optional<std::string> SaveOrSaveAs(const ShellContext& context, QWidget& parent,
                                        const std::string& fileName, const SaveFunction& save)
{
    std::string target = fileName;
    Failure failure;
    if (save(target, failure))
        return target;
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
            return std::nullopt;
        const std::optional<std::string> chosen = ChooseSaveName(context, parent, target);
        if (!chosen)
            continue;
        target = *chosen;
        if (save(target, failure))
            return target;
    }
}

std::optional<std::string> SaveAs(const ShellContext& context, QWidget& parent,
                                  const std::string& fileName, const SaveFunction& save)
{
    const std::optional<std::string> chosen = ChooseSaveName(context, parent, fileName);
    if (!chosen)
        return std::nullopt;
    return SaveOrSaveAs(context, parent, *chosen, save);
}

} // namespace talvex
