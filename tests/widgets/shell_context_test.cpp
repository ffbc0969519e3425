#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "widgets/shell_context.h"

using namespace talvex;

namespace {

// Remembers whether the window was last told it is blocked by a modal dialog.
class BlockWatch : public QObject {
public:
    bool blocked = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowBlocked)
            blocked = true;
        else if (event->type() == QEvent::WindowUnblocked)
            blocked = false;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class ShellContextTest : public QObject {
    Q_OBJECT
private slots:
    void theHintsWindowBelongsToTheRunningModalDialogAndIsNotBlocked();
};

void ShellContextTest::theHintsWindowBelongsToTheRunningModalDialogAndIsNotBlocked()
{
    auto image = std::make_unique<ConfigImage>();
    bool modified = false;
    ShellContext context(*image, modified, QFont(), QFont(), {});
    QDialog sheet;
    sheet.show();
    QWidget hints(nullptr, Qt::Tool);
    hints.winId();
    hints.windowHandle()->setTransientParent(sheet.windowHandle());
    hints.show();
    BlockWatch watch;
    hints.installEventFilter(&watch);
    context.setHintsWindow(&hints);

    QDialog editor(&sheet);
    QWindow* ownerWhileRunning = nullptr;
    bool blockedWhileRunning = true;
    QTimer::singleShot(50, &editor, [&] {
        ownerWhileRunning = hints.windowHandle()->transientParent();
        blockedWhileRunning = watch.blocked;
        editor.reject();
    });
    QCOMPARE(context.RunModal(editor), int(QDialog::Rejected));
    QVERIFY(!blockedWhileRunning);
    QCOMPARE(ownerWhileRunning, editor.windowHandle());
    QCOMPARE(hints.windowHandle()->transientParent(), sheet.windowHandle());
}

QTEST_MAIN(ShellContextTest)
#include "shell_context_test.moc"
