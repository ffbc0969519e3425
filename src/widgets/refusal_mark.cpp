#include "widgets/refusal_mark.h"

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include "widgets/shell_context.h"
#include "widgets/view_text.h"

namespace talvex {

namespace {

// A red that stands out on light and on dark backgrounds alike.
constexpr QRgb ERROR_RED = 0xD32F2F;
// How much of that red tints the field's own background: its text, in the
// colour scheme's own text colour, stays readable.
constexpr float ERROR_TINT = 0.25f;

QColor Tinted(const QColor& base)
{
    const QColor red(ERROR_RED);
    const auto mix = [](int from, int to) {
        return static_cast<int>(static_cast<float>(from) * (1.0f - ERROR_TINT)
                                + static_cast<float>(to) * ERROR_TINT);
    };
    return QColor(mix(base.red(), red.red()), mix(base.green(), red.green()),
                  mix(base.blue(), red.blue()));
}

// A red frame around the field and a red tint on its background.
QString ErrorLook(const QWidget& field)
{
    return QStringLiteral("*[%1=\"true\"] { border: 2px solid %2; border-radius: 3px;"
                          " background-color: %3; }")
        .arg(QString::fromLatin1(RefusalMark::PROPERTY), QColor(ERROR_RED).name(),
             Tinted(field.palette().color(QPalette::Base)).name());
}

} // namespace

RefusalMark::RefusalMark(const ShellContext& context, QObject* parent)
    : QObject(parent), context_(context)
{
}

void RefusalMark::show(QWidget* field, std::string_view reason)
{
    if (reason.empty())
        return;
    clear();
    const QString text = ToQString(reason);
    if (field != nullptr) {
        field_ = field;
        styleBefore_ = field->styleSheet();
        descriptionBefore_ = field->accessibleDescription();
        field->setProperty(PROPERTY, true);
        field->setStyleSheet(ErrorLook(*field));
        field->setAccessibleDescription(text);
        if (auto* box = qobject_cast<QLineEdit*>(field))
            change_ = connect(box, &QLineEdit::textChanged, this, &RefusalMark::clear);
        else if (auto* list = qobject_cast<QComboBox*>(field))
            change_ = connect(list, &QComboBox::currentIndexChanged, this, &RefusalMark::clear);
        else if (auto* button = qobject_cast<QAbstractButton*>(field))
            change_ = connect(button, &QAbstractButton::toggled, this, &RefusalMark::clear);
        field->setFocus(Qt::OtherFocusReason);
    }
    // After the focus, which shows the field's own hint.
    context_.ShowHint(text);
}

void RefusalMark::clear()
{
    disconnect(change_);
    if (field_.isNull())
        return;
    field_->setProperty(PROPERTY, false);
    field_->setStyleSheet(styleBefore_);
    field_->setAccessibleDescription(descriptionBefore_);
    field_ = nullptr;
}

} // namespace talvex
