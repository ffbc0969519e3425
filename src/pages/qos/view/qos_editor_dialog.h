#pragma once
// The "Quality of Service" editor: one QoS node in the units an operator
// thinks in. Works on the live node; OK stores through the core, every other
// way of closing puts the node back as it was.
#include "pages/qos/qos_editor.h"
#include "widgets/editor_dialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace talvex {

class ShellContext;

class CEditQosDlg : public EditorDialog {
    Q_OBJECT
public:
    CEditQosDlg(ShellContext& context, int entry, QWidget* parent = nullptr);

private:
    bool commit() override;
    void cancel() override;
    void buildWidgets();
    void showFields(const QosEditorFields& fields);
    QosEditorFields readFields() const;
    void enableThresholdControls(bool enabled);
    void chooseUnit(QRadioButton* chosen, QRadioButton* other);

    ShellContext& context_;
    QosEditorSession session_;

    QLineEdit* indexBox_ = nullptr;
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
