#include "verify/verification_report.h"

#include <algorithm>

#include "verify/verification.h"

namespace talvex {

namespace {

bool SameTables(const ConfigImage& a, const ConfigImage& b)
{
    return std::ranges::equal(TableBytes(a.ruleTable), TableBytes(b.ruleTable))
        && std::ranges::equal(TableBytes(a.qosTable), TableBytes(b.qosTable))
        && std::ranges::equal(TableBytes(a.maskTable), TableBytes(b.maskTable))
        && std::ranges::equal(TableBytes(a.priQTable), TableBytes(b.priQTable));
}

} // namespace

VerificationReport::VerificationReport() = default;

VerificationReport::~VerificationReport() = default;

bool VerificationReport::refresh(const ConfigImage& image)
{
    if (madeFrom_ && SameTables(*madeFrom_, image))
        return false;
    VerifyConfiguration(image, text_);
    if (madeFrom_)
        *madeFrom_ = image;
    else
        madeFrom_ = std::make_unique<ConfigImage>(image);
    return true;
}

} // namespace talvex
