#pragma once
// The "Edit Address Mask" editor: edits one entry of the mask table in place.
// Opening marks an empty entry as in use; OK stores the fields when they all
// convert (and does nothing otherwise); every other way of closing puts the
// entry back as it was.
#include "pages/masks/mask_editor.h"
#include "widgets/editor_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace talvex {

class ShellContext;
class FocusHintFilter;

class CEditAddressMaskDlg : public EditorDialog {
    Q_OBJECT
public:
    CEditAddressMaskDlg(ShellContext& context, int entry, QWidget* parent = nullptr);

protected:
    // Up and Down in an offset box step it like its arrows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool commit() override;
    void cancel() override;
    // The live record (after the opening defaults).
    const AddressMask& record() const;
    QWidget* offsetArrows(QLineEdit* box, const QString& name);
    void buildWidgets();
    MaskEditorFields readFields() const;
    // The lists refilled for the current mode, then the field texts.
    void showModeRefresh(const MaskEditorFields& fields);
    void showFieldTexts(const MaskEditorFields& fields);
    void runModeRefresh();
    void runFieldRefresh();

    ShellContext& context_;
    MaskEditorSession session_;
    FocusHintFilter* hints_ = nullptr;
    bool updating_ = false;

    QLineEdit* entryBox_ = nullptr;
    QCheckBox* templatesBox_ = nullptr;
    QComboBox* srcList_ = nullptr;
    QLineEdit* srcOffsetBox_ = nullptr;
    QWidget* srcArrows_ = nullptr;
    QLineEdit* srcMaskBox_ = nullptr;
    QComboBox* dstList_ = nullptr;
    QLineEdit* dstOffsetBox_ = nullptr;
    QWidget* dstArrows_ = nullptr;
    QLineEdit* dstMaskBox_ = nullptr;
    QLineEdit* ttlBox_ = nullptr;
    QLineEdit* qosBox_ = nullptr;
    QCheckBox* absoluteTtlBox_ = nullptr;
    QCheckBox* bidirectionalBox_ = nullptr;
    QCheckBox* keyGroupCheck_ = nullptr;
    QLineEdit* keyGroupBox_ = nullptr;
    QCheckBox* auditBox_ = nullptr;
    QComboBox* actionList_ = nullptr;
    QLineEdit* paramBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace talvex
