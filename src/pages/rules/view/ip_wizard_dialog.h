#pragma once
// The "IP Wizard" dialog: seven header fields with their boxes, regenerated
// on every box click and text change.
#include <array>

#include "pages/rules/ip_wizard.h"
#include "pages/rules/view/pattern_wizard_dialog.h"

class QCheckBox;
class QLineEdit;

namespace talvex {

class CIpWizardDlg : public PatternWizardDialog {
    Q_OBJECT
public:
    CIpWizardDlg(ShellContext& context, const PatternTexts& given, QWidget* parent = nullptr);

private:
    void regenerate();

    std::array<QCheckBox*, IP_FIELD_COUNT> boxes_{};
    std::array<QLineEdit*, IP_FIELD_COUNT> texts_{};
};

} // namespace talvex
