#pragma once
// The report of the image the Verify page shows, made again only when a
// table changed since it was last made. The page refreshes its text on every
// showing and on every focus of its box, which for one turn to the page are
// two refreshes in a row; the report is built once for both.
#include <memory>
#include <string>

#include "config/records.h"

namespace talvex {

class VerificationReport {
public:
    VerificationReport();
    ~VerificationReport();

    // Brings the report up to date with `image`; true when it was built
    // afresh, false when the four tables are as they were the last time.
    bool refresh(const ConfigImage& image);
    // The report as VerifyConfiguration writes it.
    const std::string& text() const { return text_; }

private:
    std::unique_ptr<ConfigImage> madeFrom_;  // the tables of the last build
    std::string text_;
};

} // namespace talvex
