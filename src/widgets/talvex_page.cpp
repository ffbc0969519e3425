#include "widgets/talvex_page.h"

namespace talvex {

TalvexPage::TalvexPage(ShellContext& context, const QString& caption, QWidget* parent)
    : QWidget(parent), context_(context), caption_(caption)
{
    setAccessibleName(caption);
}

void TalvexPage::activate()
{
    if (!opened_) {
        opened_ = true;
        openPage();
    }
    pageActivated();
}

} // namespace talvex
