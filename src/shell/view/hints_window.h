#pragma once
#include <QWidget>

class QPlainTextEdit;

namespace talvex {

// The one modeless window of explanatory text; ShowHint replaces its text.
class HintsWindow : public QWidget {
    Q_OBJECT
public:
    explicit HintsWindow(QWidget* parent = nullptr);

    void ShowHint(const QString& text);
    QString text() const;

private:
    QPlainTextEdit* text_;
};

} // namespace talvex
