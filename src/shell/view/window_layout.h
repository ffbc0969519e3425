#pragma once
namespace talvex {

class HintsWindow;
class CTalvexPropertySheet;

// Puts the hints window and the sheet side by side on the available area of
// the hints window's screen and makes the hints window a tool window of the
// sheet, so that a window manager keeps it above the sheet. The hints window
// is already shown: its frame tells how the window manager dresses windows.
// A window manager takes the owner of a window only from a window it already
// manages, so the hints window hides until the sheet has shown.
void PlaceBesideSheet(HintsWindow& hints, CTalvexPropertySheet& sheet);

} // namespace talvex
