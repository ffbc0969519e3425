#pragma once
// The fields the manager's pages write on their own (ConfigTable::
// derivedFields), entry by entry: which of them a page derives in an image,
// and what it derives there. The pages' own steps decide both, run on copies
// of the image, so the text form follows the pages without a second copy of
// their rules.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "config/config_table.h"
#include "textform/field_forms.h"

namespace talvex::textform {

// The tables whose pages derive fields (talvexcfg hands in the four of
// ConfigTables()); with none, nothing is derived.
using DerivingTables = std::span<const ConfigTable* const>;

class Derivation {
public:
    Derivation(const ConfigImage& image, DerivingTables tables);

    // The image as the pages leave it when they open.
    const ConfigImage& derived() const { return *derived_; }
    // Whether a page writes this field of this entry of the image.
    bool derives(const TableForm& table, const FieldForm& field, int entry) const;

private:
    std::unique_ptr<ConfigImage> derived_;
    FieldMarks derives_;
};

} // namespace talvex::textform
