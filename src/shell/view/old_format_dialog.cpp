#include "shell/view/old_format_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/shell_texts.h"
#include "widgets/mnemonic_text.h"

namespace talvex {

COldFormatDlg::COldFormatDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(OLD_FORMAT_TITLE));
    auto* layout = new QVBoxLayout(this);
    for (const char* text : {OLD_FORMAT_TEXT_1, OLD_FORMAT_TEXT_2, OLD_FORMAT_TEXT_3}) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* retain =
        NamedButton<QPushButton>(QString::fromUtf8(RETAIN_OLD_FORMAT), "retainButton", this);
    auto* extend =
        NamedButton<QPushButton>(QString::fromUtf8(EXTEND_TO_NEW_FORMAT), "extendButton", this);
    retain->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(retain);
    buttons->addWidget(extend);
    layout->addLayout(buttons);
    connect(retain, &QPushButton::clicked, this, [this] {
        answer_ = OldFormatAnswer::Retain;
        accept();
    });
    connect(extend, &QPushButton::clicked, this, [this] {
        answer_ = OldFormatAnswer::Extend;
        accept();
    });
    connect(this, &QDialog::rejected, this, [this] { answer_ = OldFormatAnswer::Retain; });
    setMinimumWidth(460);
}

} // namespace talvex
