#include "verify/view/verify_page.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <string>

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
    reportBox_->setObjectName(QStringLiteral("reportBox"));
    reportBox_->setAccessibleName(QStringLiteral("Verification Report"));
    reportBox_->installEventFilter(this);

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
    reportBox_->setPlainText(text);
}

void CTalvexVerify::pageActivated() { refreshReport(); }

bool CTalvexVerify::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == reportBox_ && event->type() == QEvent::FocusIn)
        refreshReport();
    return TalvexPage::eventFilter(watched, event);
}

} // namespace talvex
