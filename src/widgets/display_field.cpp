#include "widgets/display_field.h"

#include <QLineEdit>
#include <QPalette>

namespace talvex {

void MakeDisplayField(QLineEdit& field)
{
    field.setReadOnly(true);
    field.setFocusPolicy(Qt::ClickFocus);
    QPalette palette = field.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Base, palette.brush(group, QPalette::Window));
    field.setPalette(palette);
}

} // namespace talvex
