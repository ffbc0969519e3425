#include "widgets/dialog_focus.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QWidget>

namespace talvex {

namespace {

constexpr const char* FOCUS_MARKS_NAME = "talvexFocusMarks";

// Showing a window clears its keyboard-focus state, so it is set again on
// every show.
class FocusMarkFilter : public QObject {
public:
    explicit FocusMarkFilter(QWidget& window) : QObject(&window)
    {
        setObjectName(QString::fromLatin1(FOCUS_MARKS_NAME));
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            static_cast<QWidget*>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
        return QObject::eventFilter(watched, event);
    }
};

bool TakesTyping(const QWidget& widget, const QWidget& window)
{
    const auto* field = qobject_cast<const QLineEdit*>(&widget);
    return field != nullptr && !field->isReadOnly() && field->isEnabled()
        && field->isVisibleTo(&window);
}

// A choice with a single row offers nothing to choose.
bool TabStop(const QWidget& widget, const QWidget& window)
{
    const auto* choice = qobject_cast<const QComboBox*>(&widget);
    return (widget.focusPolicy() & Qt::TabFocus) && widget.isEnabled()
        && widget.isVisibleTo(&window) && widget.focusProxy() == nullptr
        && (choice == nullptr || choice->count() > 1);
}

} // namespace

void FocusFirstField(QWidget& window)
{
    QWidget* firstStop = nullptr;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (TakesTyping(*w, window)) {
            w->setFocus();
            return;
        }
        if (firstStop == nullptr && TabStop(*w, window))
            firstStop = w;
    }
    if (firstStop != nullptr)
        firstStop->setFocus();
}

void ShowFocusMarks(QWidget& window)
{
    if (window.findChild<QObject*>(QString::fromLatin1(FOCUS_MARKS_NAME),
                                   Qt::FindDirectChildrenOnly) == nullptr)
        new FocusMarkFilter(window);
}

} // namespace talvex
