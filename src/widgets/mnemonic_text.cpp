#include "widgets/mnemonic_text.h"

#include <QAbstractButton>
#include <QLabel>

namespace talvex {

QString PlainText(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && ++i == text.size())
            break;
        plain += text[i];
    }
    return plain;
}

QString AccessibleName(const QString& text)
{
    QString name = PlainText(text);
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

QString WithFreeMnemonic(const QString& plain, QString& taken)
{
    QString escaped = plain;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const auto free = [&](qsizetype i) {
        return escaped[i].isLetterOrNumber() && !taken.contains(escaped[i], Qt::CaseInsensitive);
    };
    for (const bool wordStartsOnly : {true, false}) {
        for (qsizetype i = 0; i < escaped.size(); ++i) {
            const bool wordStart = i == 0 || !escaped[i - 1].isLetterOrNumber();
            if ((wordStart || !wordStartsOnly) && free(i)) {
                taken += escaped[i].toUpper();
                return escaped.insert(i, QLatin1Char('&'));
            }
        }
    }
    return escaped;
}

void SetButtonText(QAbstractButton& button, const QString& text)
{
    button.setText(text);
    button.setAccessibleName(AccessibleName(text));
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setBuddy(buddy);
    SetBuddyText(*label, text);
    return label;
}

void SetBuddyText(QLabel& label, const QString& text)
{
    label.setText(text);
    if (QWidget* buddy = label.buddy())
        buddy->setAccessibleName(AccessibleName(text));
}

} // namespace talvex
