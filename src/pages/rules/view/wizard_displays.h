#pragma once
// The three read-only displays of a pattern wizard: offset, data and mask.
#include <QWidget>

#include "pages/rules/pattern_wizard.h"

class QLineEdit;

namespace talvex {

class WizardDisplays : public QWidget {
    Q_OBJECT
public:
    WizardDisplays(const QFont& dataFont, QWidget* parent = nullptr);
    void showDisplay(const WizardDisplay& display);

private:
    QLineEdit* offset_;
    QLineEdit* data_;
    QLineEdit* mask_;
};

} // namespace talvex
