#include "shell/view/splash_window.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/view/product_picture.h"

namespace talvex {

SplashWindow::SplashWindow(int showMs, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    auto* picture = new QLabel(this);
    picture->setPixmap(ProductPicture());
    picture->setAccessibleName(QStringLiteral("TALVEX"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(200, 300);
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
    QTimer::singleShot(showMs, this, &QDialog::accept);
}

void SplashWindow::mousePressEvent(QMouseEvent* /*event*/)
{
    accept();
}

} // namespace talvex
