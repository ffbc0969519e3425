#include "shell/view/splash_window.h"

#include <QEventLoop>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/view/product_picture.h"

namespace talvex {

SplashWindow::SplashWindow(int showMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), showMs_(showMs)
{
    setWindowModality(Qt::ApplicationModal);
    auto* picture = new QLabel(this);
    picture->setPixmap(ProductPicture());
    picture->setAccessibleName(QStringLiteral("TALVEX"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(200, 300);
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
}

void SplashWindow::run()
{
    // Showing the window may already run the event loop for a moment, so the
    // end may come before the loop below starts; `done` remembers it.
    QEventLoop loop;
    bool done = false;
    auto finish = [&] {
        done = true;
        loop.quit();
    };
    QTimer::singleShot(showMs_, &loop, finish);
    connect(this, &SplashWindow::clicked, &loop, finish);
    show();
    if (!done)
        loop.exec();
    hide();
}

void SplashWindow::mousePressEvent(QMouseEvent* /*event*/)
{
    emit clicked();
}

} // namespace talvex
