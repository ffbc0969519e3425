#include "pages/rules/view/rules_page.h"

namespace talvex {

CTalvexConfigRules::CTalvexConfigRules(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Rules"), parent)
{
}

} // namespace talvex
