#pragma once
// Shows a fixed hint in the hints window when a watched widget gets the focus,
// or when a watched button is clicked (the check boxes whose hint comes with
// the click).
#include <QHash>
#include <QObject>
#include <QString>
#include <string_view>

class QAbstractButton;
class QWidget;

namespace talvex {

class ShellContext;

class FocusHintFilter : public QObject {
    Q_OBJECT
public:
    FocusHintFilter(const ShellContext& context, QObject* parent);

    void watchFocus(QWidget* widget, std::string_view hint);
    void watchClicks(QAbstractButton* button, std::string_view hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ShellContext& context_;
    QHash<const QObject*, QString> focusHints_;
};

} // namespace talvex
