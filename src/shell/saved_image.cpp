#include "shell/saved_image.h"

#include "tables/config_tables.h"

namespace talvex {

namespace {

std::unique_ptr<ConfigImage> DerivedCopy(const ConfigImage& image)
{
    auto copy = std::make_unique<ConfigImage>(image);
    DeriveAsPagesOpen(*copy);
    return copy;
}

} // namespace

SavedImage::SavedImage(const ConfigImage& image) : saved_(DerivedCopy(image)) {}

SavedImage::~SavedImage() = default;

void SavedImage::markSaved(const ConfigImage& image) { saved_ = DerivedCopy(image); }

bool SavedImage::differs(const ConfigImage& image) const
{
    return !SameTables(*DerivedCopy(image), *saved_);
}

} // namespace talvex
