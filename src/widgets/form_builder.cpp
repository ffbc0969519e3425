#include "widgets/form_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "widgets/choice_list.h"
#include "widgets/dialog_buttons.h"
#include "widgets/display_field.h"
#include "widgets/focus_hint_filter.h"
#include "widgets/mnemonic_text.h"
#include "widgets/shell_context.h"

namespace talvex {

namespace {

// Room for the frame and the text margins of a line edit.
constexpr int BOX_MARGIN = 12;

// Widest of the characters a box holds: digits, or dotted hexadecimal.
int CharWidth(const QFont& font)
{
    const QFontMetrics metrics(font);
    return std::max(metrics.horizontalAdvance(QLatin1Char('0')),
                    metrics.horizontalAdvance(QLatin1Char('F')));
}

// The control's label, which also names it, unless the look gives it
// another name.
QLabel* LabelAndName(QWidget* control, const FieldLook& look, QWidget* parent)
{
    QLabel* label = look.label.isEmpty() ? nullptr : BuddyLabel(look.label, control, parent);
    if (!look.accessibleName.isEmpty())
        control->setAccessibleName(look.accessibleName);
    return label;
}

} // namespace

FormBuilder::FormBuilder(QDialog& dialog, const ShellContext& context)
    : dialog_(dialog), context_(context), hints_(new FocusHintFilter(context, &dialog))
{
}

void FormBuilder::styleBox(QLineEdit& box, const FieldLook& look) const
{
    box.setObjectName(QString::fromLatin1(look.name));
    if (look.dataFont)
        box.setFont(context_.dataFont());
    if (look.chars > 0) {
        const int width = CharWidth(box.font()) * look.chars + BOX_MARGIN;
        if (look.widthAtLeast)
            box.setMinimumWidth(width);
        else
            box.setFixedWidth(width);
    }
    if (look.digitsOnly)
        box.setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &box));
}

LabelledBox FormBuilder::textBox(const FieldLook& look)
{
    auto* box = new QLineEdit(&dialog_);
    styleBox(*box, look);
    joinTabOrder(box);
    if (!look.hint.empty())
        hints_->watchFocus(box, look.hint);
    return {LabelAndName(box, look, &dialog_), box};
}

LabelledBox FormBuilder::display(const FieldLook& look)
{
    auto* box = new QLineEdit(&dialog_);
    styleBox(*box, look);
    MakeDisplayField(*box);
    return {LabelAndName(box, look, &dialog_), box};
}

LabelledChoice FormBuilder::choice(const FieldLook& look, std::span<const CodeEntry> table)
{
    auto* list = new QComboBox(&dialog_);
    list->setObjectName(QString::fromLatin1(look.name));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    FillChoiceList(*list, table);
    joinTabOrder(list);
    if (!look.hint.empty())
        hints_->watchFocus(list, look.hint);
    return {LabelAndName(list, look, &dialog_), list};
}

QCheckBox* FormBuilder::checkBox(const QString& text, const char* name, std::string_view hint)
{
    auto* box = NamedButton<QCheckBox>(text, name, &dialog_);
    joinTabOrder(box);
    watchClicks(box, hint);
    return box;
}

QRadioButton* FormBuilder::radioButton(const QString& text, const char* name,
                                       std::string_view hint)
{
    auto* button = NamedButton<QRadioButton>(text, name, &dialog_);
    joinTabOrder(button);
    watchClicks(button, hint);
    return button;
}

QPushButton* FormBuilder::pushButton(const QString& text, const char* name)
{
    auto* button = NamedButton<QPushButton>(text, name, &dialog_);
    joinTabOrder(button);
    return button;
}

QDialogButtonBox* FormBuilder::okCancel()
{
    QDialogButtonBox* buttons = OkCancelButtons(dialog_);
    joinTabOrder(buttons->button(QDialogButtonBox::Ok));
    joinTabOrder(buttons->button(QDialogButtonBox::Cancel));
    return buttons;
}

void FormBuilder::joinTabOrder(QWidget* control)
{
    if (lastInTabOrder_ != nullptr)
        QWidget::setTabOrder(lastInTabOrder_, control);
    lastInTabOrder_ = control;
}

void FormBuilder::watchClicks(QAbstractButton* button, std::string_view hint)
{
    if (!hint.empty())
        hints_->watchClicks(button, hint);
}

} // namespace talvex
