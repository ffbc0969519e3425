#include "pages/priq/view/priq_page.h"

namespace talvex {

CTalvexConfigPriQ::CTalvexConfigPriQ(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Priority Queue"), parent)
{
}

} // namespace talvex
