#pragma once
// The "Quality of Service" editor: one QoS node in the units an operator
// thinks in. Works on the live node; OK stores through the core, every other
// way of closing puts the node back as it was.
#include "pages/qos/qos_editor.h"
#include "widgets/record_editor_dialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QRadioButton;

namespace talvex {

class FormBuilder;

class CEditQosDlg : public RecordEditorDialog<QosEditorSession> {
    Q_OBJECT
public:
    CEditQosDlg(ShellContext& context, int entry, QWidget* parent = nullptr);

    QosEditorFields readFields() const override;

private:
    void buildWidgets() override;
    void showFields(const QosEditorFields& fields) override;
    QLayout* buildRateAndSample(FormBuilder& form);
    QWidget* buildThresholds(FormBuilder& form);
    // Low, High and "Use Absolute Thresholds" are usable only while "Enable
    // Thresholds" is checked.
    void enableThresholdControls(bool enabled);
    void chooseUnit(QRadioButton* chosen, QRadioButton* other);

    QLineEdit* entryBox_ = nullptr;
    QLineEdit* rateBox_ = nullptr;
    QRadioButton* bytesButton_ = nullptr;
    QRadioButton* framesButton_ = nullptr;
    QButtonGroup* unitGroup_ = nullptr;
    QLineEdit* secondsBox_ = nullptr;
    QCheckBox* thresholdsBox_ = nullptr;
    QLabel* lowLabel_ = nullptr;
    QLineEdit* lowBox_ = nullptr;
    QLabel* highLabel_ = nullptr;
    QLineEdit* highBox_ = nullptr;
    QCheckBox* absoluteBox_ = nullptr;
    QCheckBox* fixedDelayBox_ = nullptr;
    QCheckBox* bankingBox_ = nullptr;
    QCheckBox* immortalBox_ = nullptr;
};

} // namespace talvex
