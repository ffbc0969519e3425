#pragma once
// The "ECB Wizard" dialog: the "Protocol ID" box and the protocol choice,
// regenerated on every box click and protocol change.
#include "pages/rules/ecb_wizard.h"
#include "pages/rules/view/pattern_wizard_dialog.h"

class QCheckBox;
class QComboBox;

namespace talvex {

class CEcbWizardDlg : public PatternWizardDialog {
    Q_OBJECT
public:
    CEcbWizardDlg(ShellContext& context, const PatternTexts& given, QWidget* parent = nullptr);

private:
    void regenerate();

    QCheckBox* protocolId_;
    QComboBox* protocol_;
};

} // namespace talvex
