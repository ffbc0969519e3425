#pragma once
#include <QWidget>

class QPlainTextEdit;

namespace talvex {

// The one modeless window of explanatory text; ShowHint replaces its text.
// A tool window: it does not take the focus when it shows.
class HintsWindow : public QWidget {
    Q_OBJECT
public:
    explicit HintsWindow(QWidget* parent = nullptr);

    // Shows the window for the rest of the run: once open, a hint brings it
    // back if the operator closed it.
    void open();

    void ShowHint(const QString& text);
    QString text() const;

private:
    QPlainTextEdit* text_;
    bool open_ = false;
};

} // namespace talvex
