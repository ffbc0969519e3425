#pragma once
// The OK and Cancel row of the editors and wizards.
class QDialog;
class QDialogButtonBox;

namespace talvex {

// A button box with OK and Cancel for `dialog`: OK is the default button
// (Return in a field presses it), Return on a focused Cancel presses Cancel,
// both carry their text as accessible name and the object names "okButton"
// and "cancelButton", and they run the dialog's accept() and reject().
QDialogButtonBox* OkCancelButtons(QDialog& dialog);

} // namespace talvex
