#include "shell/view/hints_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "shell/shell_texts.h"

namespace talvex {

HintsWindow::HintsWindow(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QString::fromUtf8(HINTS_WINDOW_TITLE));
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setAccessibleName(QString::fromUtf8(HINTS_WINDOW_TITLE));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(text_);
    resize(360, 280);
}

void HintsWindow::open()
{
    open_ = true;
    show();
    raise();
}

void HintsWindow::ShowHint(const QString& text)
{
    if (open_ && isHidden())
        show();
    // Topics are written with CR LF line ends; the text box wants LF.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(shown);
}

QString HintsWindow::text() const
{
    return text_->toPlainText();
}

} // namespace talvex
