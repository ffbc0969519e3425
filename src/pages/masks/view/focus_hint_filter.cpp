#include "pages/masks/view/focus_hint_filter.h"

#include <QEvent>
#include <QWidget>

#include "shell/view/kit/shell_context.h"

namespace talvex {

FocusHintFilter::FocusHintFilter(const ShellContext& context, QObject* parent)
    : QObject(parent), context_(context)
{
}

void FocusHintFilter::watch(QWidget* widget, const char* hint)
{
    hints_.insert(widget, QString::fromUtf8(hint));
    widget->installEventFilter(this);
}

bool FocusHintFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto found = hints_.constFind(watched);
        if (found != hints_.constEnd())
            context_.ShowHint(found.value());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace talvex
