#include "widgets/focus_hint_filter.h"

#include <QAbstractButton>
#include <QEvent>
#include <QWidget>

#include "widgets/shell_context.h"

namespace talvex {

namespace {

QString HintText(std::string_view hint)
{
    return QString::fromUtf8(hint.data(), static_cast<qsizetype>(hint.size()));
}

} // namespace

FocusHintFilter::FocusHintFilter(const ShellContext& context, QObject* parent)
    : QObject(parent), context_(context)
{
}

void FocusHintFilter::watchFocus(QWidget* widget, std::string_view hint)
{
    focusHints_.insert(widget, HintText(hint));
    widget->installEventFilter(this);
}

void FocusHintFilter::watchClicks(QAbstractButton* button, std::string_view hint)
{
    connect(button, &QAbstractButton::clicked, this,
            [this, text = HintText(hint)] { context_.ShowHint(text); });
}

bool FocusHintFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto found = focusHints_.constFind(watched);
        if (found != focusHints_.constEnd())
            context_.ShowHint(found.value());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace talvex
