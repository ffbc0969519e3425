#pragma once
// The configuration as it was last saved, or, before any save, as the sheet
// first showed it: whether the image differs from it is what the caption's
// changed mark, Apply and the question on leaving follow. The fields the
// pages derive on their own (the rule stamps, the queue structure) count as
// the pages would write them on both sides, so opening a page changes
// nothing, and a change undone, or made and made back, leaves nothing to save.
#include <memory>

#include "config/records.h"

namespace talvex {

class SavedImage {
public:
    explicit SavedImage(const ConfigImage& image);
    ~SavedImage();

    // The image now is the saved one.
    void markSaved(const ConfigImage& image);
    // Whether any byte of the image's tables differs from the saved ones.
    bool differs(const ConfigImage& image) const;

private:
    std::unique_ptr<ConfigImage> saved_;  // as the pages derive it
};

} // namespace talvex
