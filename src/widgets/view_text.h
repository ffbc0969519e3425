#pragma once
// Texts between the core (std::string, UTF-8) and the widgets (QString).
#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

namespace talvex {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) { return text.toStdString(); }

// A field's text as the core reads it.
inline std::string FieldText(const QLineEdit& field) { return ToStdString(field.text()); }

// A text of the core shown in a field.
inline void SetFieldText(QLineEdit& field, std::string_view text) { field.setText(ToQString(text)); }

} // namespace talvex
