#pragma once
// Text helpers shared by the rules views.
#include <QString>
#include <string>
#include <string_view>

namespace talvex {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) { return text.toStdString(); }

} // namespace talvex
