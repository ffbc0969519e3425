#pragma once
// Decimal text of a floating-point number with a fixed count of decimals, as
// "%.Nf" gives it in the "C" locale, whatever the locale of the process.
#include <string>

namespace talvex {

std::string FixedText(double value, int decimals);

} // namespace talvex
