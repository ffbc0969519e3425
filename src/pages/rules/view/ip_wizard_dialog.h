#pragma once
// The "IP Wizard" dialog: seven header fields with their boxes, regenerated
// on every box click and text change. Only OK returns results.
#include <QDialog>
#include <array>

#include "pages/rules/ip_wizard.h"
#include "shell/view/kit/shell_context.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace talvex {

class WizardDisplays;

class IpWizardDialog : public QDialog {
    Q_OBJECT
public:
    IpWizardDialog(ShellContext& context, const PatternTexts& given, QWidget* parent = nullptr);

    // The three texts OK returns (meaningful after the dialog was accepted).
    const PatternTexts& results() const { return output_.results; }

public slots:
    void accept() override;

private:
    void regenerate();
    void showOutput();

    std::array<QCheckBox*, IP_FIELD_COUNT> boxes_{};
    std::array<QLineEdit*, IP_FIELD_COUNT> texts_{};
    WizardDisplays* displays_;
    QPushButton* ok_ = nullptr;
    WizardOutput output_;
};

} // namespace talvex
