#pragma once
// Makes the controls of a dialog, one call a control: its object name, its
// label (the mnemonic puts the focus on it, and the control takes the
// label's text as accessible name), its width in characters, its hint and
// its place in the Tab order, which is the order of the calls. Controls the
// keyboard does not reach (read-only displays) stay out of the Tab order.
// The layout stays the dialog's own: it places what the builder made.
#include <QString>
#include <span>
#include <string_view>

#include "config/code_tables.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace talvex {

class FocusHintFilter;
class ShellContext;

// How one text box or choice list looks, is named and is reached.
struct FieldLook {
    const char* name;              // object name
    QString label = {};            // visible label with its mnemonic; none when empty
    QString accessibleName = {};   // what a screen reader calls it, when not its label
    int chars = 0;                 // width in characters of its font; 0: the layout's
    bool widthAtLeast = false;     // the width is a minimum and the box may grow
    bool dataFont = false;         // the shell's data font
    bool digitsOnly = false;       // only digits can be typed
    std::string_view hint = {};    // shown whenever the control gets the focus
};

struct LabelledBox {
    QLabel* label;                 // nullptr without one
    QLineEdit* box;
};

struct LabelledChoice {
    QLabel* label;
    QComboBox* list;
};

class FormBuilder {
public:
    FormBuilder(QDialog& dialog, const ShellContext& context);

    LabelledBox textBox(const FieldLook& look);
    // Read-only: shows a value the operator cannot change (an entry number);
    // out of the Tab order, a click still selects its text for copying.
    LabelledBox display(const FieldLook& look);
    // A drop-down list filled from `table` (FillChoiceList).
    LabelledChoice choice(const FieldLook& look, std::span<const CodeEntry> table);
    // Buttons with their text (and mnemonic) as accessible name; a check box
    // or radio button shows its hint when clicked.
    QCheckBox* checkBox(const QString& text, const char* name, std::string_view hint = {});
    QRadioButton* radioButton(const QString& text, const char* name, std::string_view hint = {});
    QPushButton* pushButton(const QString& text, const char* name);
    // OK and Cancel (OkCancelButtons), last in the Tab order.
    QDialogButtonBox* okCancel();

private:
    void styleBox(QLineEdit& box, const FieldLook& look) const;
    void joinTabOrder(QWidget* control);
    void watchClicks(QAbstractButton* button, std::string_view hint);

    QDialog& dialog_;
    const ShellContext& context_;
    FocusHintFilter* hints_;
    QWidget* lastInTabOrder_ = nullptr;
};

} // namespace talvex
