#include "pages/qos/view/qos_page.h"

namespace talvex {

CTalvexConfigQos::CTalvexConfigQos(ShellContext& context, QWidget* parent)
    : TalvexPage(context, QStringLiteral("Quality of Service (QoS)"), parent)
{
}

} // namespace talvex
