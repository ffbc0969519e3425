#pragma once
#include <QPixmap>

namespace talvex {

// The 200 x 300 product picture of the splash and the Info page.
QPixmap ProductPicture();

} // namespace talvex
