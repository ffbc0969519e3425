#pragma once
// A configuration image as the manager starts a new one: every table at its
// reset values.
#include <memory>

#include "config/config_file.h"
#include "config/records.h"

namespace talvex::testing {

inline std::unique_ptr<ConfigImage> FreshImage()
{
    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    return image;
}

} // namespace talvex::testing
