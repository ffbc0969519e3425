#pragma once
// The "ECB Wizard" dialog: the "Protocol ID" box and the protocol choice,
// regenerated on every box click and protocol change. Only OK returns
// results.
#include <QDialog>

#include "pages/rules/ecb_wizard.h"
#include "shell/view/kit/shell_context.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace talvex {

class WizardDisplays;

class EcbWizardDialog : public QDialog {
    Q_OBJECT
public:
    EcbWizardDialog(ShellContext& context, const PatternTexts& given, QWidget* parent = nullptr);

    const PatternTexts& results() const { return output_.results; }

public slots:
    void accept() override;

private:
    void regenerate();
    void showOutput();

    QCheckBox* protocolId_;
    QComboBox* protocol_;
    WizardDisplays* displays_;
    QPushButton* ok_ = nullptr;
    WizardOutput output_;
};

} // namespace talvex
