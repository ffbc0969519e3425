#pragma once
// The application object: it owns the one image and the shell state beside
// it, and hands the image, ShowHint, `modified` and the fonts to the pages.
#include <memory>
#include <string>

#include "config/records.h"
#include "shell/startup.h"
#include "shell/view/hints_window.h"
#include "widgets/shell_context.h"
#include "shell/view/property_sheet.h"

namespace talvex {

class TalvexApp {
public:
    struct Options {
        int splashMs = 3000;  // 0 shows no splash
    };

    explicit TalvexApp(Options options);
    ~TalvexApp();

    // Splash, reset, new or load, run-time fields, the old-format prompt,
    // the hints window with the banner, `modified` cleared.
    void StartUp(const std::string& commandLineText);

    // The sheet with the pages that the image's blocks call for.
    std::unique_ptr<CTalvexPropertySheet> buildSheet();

    // The whole run after StartUp: the sheet, modal, beside the hints window;
    // over it, once shown, why a named file did not load. Returns when the
    // sheet closed.
    int RunSheet();

    ConfigImage& image() { return *image_; }
    ShellContext& context() { return *context_; }
    HintsWindow& hints() { return *hints_; }
    const StartupState& state() const { return state_; }
    bool modified() const { return modified_; }

private:
    // Why the named file did not load, and where a save will write instead.
    void tellWhyLoadFailed();

    Options options_;
    std::unique_ptr<ConfigImage> image_;
    bool modified_ = false;
    std::unique_ptr<HintsWindow> hints_;
    std::unique_ptr<ShellContext> context_;
    StartupState state_;
};

} // namespace talvex
