#include "widgets/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "widgets/mnemonic_text.h"

namespace talvex {

QDialogButtonBox* OkCancelButtons(QDialog& dialog)
{
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    // The texts are set here, not left to the platform theme, which may give
    // them mnemonics that clash with the dialog's own; Return and Escape
    // already reach them. Both keep the style's icons.
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("okButton"));
    SetButtonText(*ok, QStringLiteral("OK"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    SetButtonText(*cancel, QStringLiteral("Cancel"));
    // accept() and reject() are virtual: the dialog's own versions run.
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

} // namespace talvex
