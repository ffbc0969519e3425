#pragma once
#include <QDialog>

class QTimer;

namespace talvex {

// The start-up picture: no caption, centred, closes itself after `showMs`
// or at once when clicked.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(int showMs, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace talvex
