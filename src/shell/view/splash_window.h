#pragma once
#include <QWidget>

namespace talvex {

// The start-up picture: no caption, centred on the screen. run() shows it
// and returns after `showMs`, or as soon as the picture is clicked.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(int showMs, QWidget* parent = nullptr);

    void run();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int showMs_;
};

} // namespace talvex
