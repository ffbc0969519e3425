#pragma once
// Where the keyboard focus starts in a window, and its mark.
class QWidget;

namespace talvex {

// Puts the focus on the first field of the Tab chain that takes typing (an
// enabled, shown line edit that is not read-only); in a window without one,
// on the first control the Tab chain reaches that offers a choice (not a
// drop-down list of one row). Works before the window shows.
void FocusFirstField(QWidget& window);

// The styles draw the focus mark only once the keyboard has moved the focus;
// from now on the window draws it on whatever control holds the focus from
// the moment it is shown, mouse or keyboard.
void ShowFocusMarks(QWidget& window);

} // namespace talvex
