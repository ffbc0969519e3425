#pragma once
// The "Quality of Service" editor: one QoS node in the units an operator
// thinks in. Works on the live node; OK stores through the core, every other
// way of closing puts the node back as it was.
#include <array>

#include "pages/qos/qos_editor.h"
#include "widgets/record_editor_dialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QRadioButton;

namespace talvex {

class CEditQosDlg : public RecordEditorDialog<QosEditorSession> {
    Q_OBJECT
public:
    CEditQosDlg(ShellContext& context, int entry, QWidget* parent = nullptr);

private:
    // The width of the per-second numbers: rate and thresholds.
    static constexpr int NUMBER_CHARS = 10;

    void buildWidgets(Form& form) override;
    void beforeShow(const QosEditorFields& fields) override;
    void afterShow(const QosEditorFields& fields) override;
    QLayout* buildRateAndSample(Form& form);
    QWidget* buildThresholds(Form& form);
    // Low, High and "Use Absolute Thresholds" are usable only while "Enable
    // Thresholds" is checked.
    void enableThresholdControls(bool enabled);
    void chooseUnit(QRadioButton* chosen, QRadioButton* other);

    QRadioButton* bytesButton_ = nullptr;
    QRadioButton* framesButton_ = nullptr;
    QButtonGroup* unitGroup_ = nullptr;
    QCheckBox* thresholdsBox_ = nullptr;
    std::array<QWidget*, 5> thresholdControls_{};
};

} // namespace talvex
