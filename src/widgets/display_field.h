#pragma once
// A read-only line edit that shows a value the operator cannot change (an
// entry number, a wizard's generated pattern).
class QLineEdit;

namespace talvex {

// Read-only, drawn on the window colour instead of the field colour so it
// does not look like a place to type, and left out of the Tab chain; a
// click still focuses it, to select and copy its text.
void MakeDisplayField(QLineEdit& field);

} // namespace talvex
