#include "pages/masks/view/masks_page.h"

namespace talvex {

CTalvexConfigMasks::CTalvexConfigMasks(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Address Masks"), parent)
{
}

} // namespace talvex
