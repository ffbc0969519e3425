#include "pages/rules/view/wizard_displays.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "widgets/view_text.h"
#include "widgets/display_field.h"
#include "widgets/mnemonic_text.h"
#include "widgets/named_widget.h"

namespace talvex {

namespace {

// Room for sixteen dotted bytes and for the longest message.
constexpr int DISPLAY_CHARS = 48;

QLineEdit* Display(const QString& label, const char* objectName, QGridLayout& grid, int row,
                   QWidget* parent)
{
    auto* field = Named(new QLineEdit(parent), objectName);
    MakeDisplayField(*field);
    grid.addWidget(BuddyLabel(label + QLatin1Char(':'), field, parent), row, 0);
    grid.addWidget(field, row, 1);
    return field;
}

} // namespace

WizardDisplays::WizardDisplays(const QFont& dataFont, QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    offset_ = Display(QStringLiteral("Offset"), "offsetDisplay", *grid, 0, this);
    data_ = Display(QStringLiteral("Data"), "dataDisplay", *grid, 1, this);
    mask_ = Display(QStringLiteral("Mask"), "maskDisplay", *grid, 2, this);
    offset_->setMaximumWidth(offset_->fontMetrics().horizontalAdvance(QStringLiteral("000000"))
                             + 16);
    const int width = QFontMetrics(dataFont).horizontalAdvance(QLatin1Char('F')) * DISPLAY_CHARS
        + 12;
    for (QLineEdit* field : {data_, mask_}) {
        field->setFont(dataFont);
        field->setMinimumWidth(width);
    }
    grid->setColumnStretch(1, 1);
}

void WizardDisplays::showDisplay(const WizardDisplay& display)
{
    offset_->setText(ToQString(display.offset));
    data_->setText(ToQString(display.data));
    mask_->setText(ToQString(display.mask));
}

} // namespace talvex
