#pragma once
// What the sheet asks on its way out: whether unsaved changes may go, and,
// when the save fails, whether to save under another name instead.
#include <functional>
#include <optional>
#include <string>

#include "config/failure.h"

class QWidget;

namespace talvex {

class ShellContext;

// Writes the image to the named file; false with why when that failed.
using SaveFunction = std::function<bool(const std::string& fileName, Failure& failure)>;

// "Discard the changes to NAME?" over `parent`; true when the operator chose
// Discard. Cancel, Escape and closing the question keep the changes.
bool ConfirmDiscard(const ShellContext& context, QWidget& parent, const std::string& fileName);

// Saves to `fileName`. When that fails, a message says why and offers
// "Save As...": a file dialog on the failed file's folder and name, and the
// same save there; a failure there brings the message again, and cancelling
// the file dialog goes back to it. The name saved to once a save succeeded,
// nothing when the operator chose to go back to the sheet. The failed file is
// never touched.
std::optional<std::string> SaveOrSaveAs(const ShellContext& context, QWidget& parent,
                                        const std::string& fileName, const SaveFunction& save);

// "Save As...": the same file dialog on `fileName`'s folder and name, then
// the save there as SaveOrSaveAs does it; nothing when the operator cancelled.
std::optional<std::string> SaveAs(const ShellContext& context, QWidget& parent,
                                  const std::string& fileName, const SaveFunction& save);

} // namespace talvex
