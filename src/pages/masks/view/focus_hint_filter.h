#pragma once
// Shows a fixed hint whenever one of the watched widgets gets the focus.
#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

namespace talvex {

class ShellContext;

class FocusHintFilter : public QObject {
    Q_OBJECT
public:
    FocusHintFilter(const ShellContext& context, QObject* parent);

    void watch(QWidget* widget, const char* hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ShellContext& context_;
    QHash<const QObject*, QString> hints_;
};

} // namespace talvex
