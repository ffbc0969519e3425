#pragma once
// Every control a test or a script reaches is found by its object name.
#include <QString>

namespace talvex {

// `widget`, given this object name.
template <typename Widget>
Widget* Named(Widget* widget, const char* objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

} // namespace talvex
