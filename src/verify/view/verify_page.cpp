#include "verify/view/verify_page.h"

namespace talvex {

CTalvexVerify::CTalvexVerify(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Verify Configuration"), parent)
{
}

} // namespace talvex
