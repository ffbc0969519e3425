#pragma once
// Texts of labels and buttons carry their Alt mnemonic the way Qt writes it:
// "&" before the letter, "&&" for a plain "&". A control's accessible name is
// its visible text without the mark (a label's without its closing colon);
// the helpers below set text and name together so the two never drift apart.
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace talvex {

// The visible text: a single "&" dropped, "&&" read as "&".
QString PlainText(const QString& text);

// The accessible name a control takes from a label or button text: the
// plain text without a closing ":".
QString AccessibleName(const QString& text);

// `plain` (a text without marks, e.g. from a code table) with the mark put
// before its first letter or digit not yet in `taken`, word starts first;
// that character joins `taken`. Without a free one the text gets no mark.
QString WithFreeMnemonic(const QString& plain, QString& taken);

// Sets a button's text and accessible name.
void SetButtonText(QAbstractButton& button, const QString& text);

// A new button (push button, check box, radio button) with this text and
// object name.
template <typename Button>
Button* NamedButton(const QString& text, const char* objectName, QWidget* parent)
{
    auto* button = new Button(parent);
    SetButtonText(*button, text);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

// A label whose mnemonic puts the focus on `buddy`; the buddy takes its
// accessible name from the label's text.
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent);

// A new text for such a label, and the buddy's accessible name with it.
void SetBuddyText(QLabel& label, const QString& text);

} // namespace talvex
