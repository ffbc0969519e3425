#pragma once
// Opening a configuration the one way the manager and talvexcfg both do:
// ResetTables; LoadConfig when a file is named, or a new image with every
// block present when none is; ClearRuntimeFields in every case. A named file
// that lacks a block (an old-generation file, or one that failed to load)
// then asks the old-format question; its answer is the second step.
#include <optional>
#include <string>

#include "config/config_input.h"
#include "config/failure.h"
#include "config/records.h"

namespace talvex {

struct OpenedConfig {
    std::optional<Failure> loadFailure;  // set when a named file failed to load
    bool oldFormatPromptDue = false;
};

// Without a file name (nullopt) a new image; with one, LoadConfig sets the
// two absent flags.
OpenedConfig OpenConfig(ConfigImage& image, const std::optional<std::string>& fileName);
// The same for a configuration file already read (ReadConfigFile,
// ReadConfigStream) in place of LoadConfig.
OpenedConfig OpenConfig(ConfigImage& image, const ConfigInput& input);

// The answers of the old-format prompt; closing it counts as Retain.
enum class OldFormatAnswer { Retain, Extend };

// Extend clears both absent flags, so both blocks are shown and saved;
// Retain leaves them. Neither sets `modified`.
void ApplyOldFormatAnswer(ConfigImage& image, OldFormatAnswer answer);

} // namespace talvex
