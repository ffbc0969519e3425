#include "verify/view/verify_page.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>
#include <string>

#include "verify/finding_entry.h"
#include "verify/verification.h"

namespace talvex {

CTalvexVerify::CTalvexVerify(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Verify Configuration"), parent),
      reportBox_(new QPlainTextEdit(this))
{
    QFont font = context.listFont();
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    reportBox_->setFont(font);
    reportBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportBox_->setTabChangesFocus(true);
    // Read, select and copy; the keys move a cursor through the findings.
    reportBox_->setReadOnly(true);
    reportBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    reportBox_->setObjectName(QStringLiteral("reportBox"));
    reportBox_->setAccessibleName(QStringLiteral("Verification Report"));
    reportBox_->installEventFilter(this);
    reportBox_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reportBox_);
    setFocusProxy(reportBox_);

    refreshReport();
}

void CTalvexVerify::refreshReport()
{
    std::string report;
    VerifyConfiguration(context().image(), report);
    // The report ends its lines with CR LF; the box wants plain line feeds.
    QString text = QString::fromLatin1(report.data(), static_cast<qsizetype>(report.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // The same report keeps the cursor and the selection where they are.
    if (text != reportBox_->toPlainText())
        reportBox_->setPlainText(text);
}

void CTalvexVerify::chooseFindingAtCursor()
{
    const std::string line = reportBox_->textCursor().block().text().toStdString();
    if (const std::optional<FindingEntry> finding = EntryOfFinding(line))
        emit entryChosen(finding->table, finding->entry);
}

void CTalvexVerify::pageActivated() { refreshReport(); }

bool CTalvexVerify::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == reportBox_ && event->type() == QEvent::FocusIn)
        refreshReport();
    if (watched == reportBox_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseFindingAtCursor();
            return true;
        }
    }
    if (watched == reportBox_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* click = static_cast<QMouseEvent*>(event);
        reportBox_->setTextCursor(reportBox_->cursorForPosition(click->position().toPoint()));
        chooseFindingAtCursor();
        return true;
    }
    return TalvexPage::eventFilter(watched, event);
}

} // namespace talvex
