#pragma once
// The "Edit Address Mask" editor: edits one entry of the mask table in place.
// Opening marks an empty entry as in use; OK stores the fields when they all
// convert (and does nothing otherwise); every other way of closing puts the
// entry back as it was.
#include "pages/masks/mask_editor.h"
#include "widgets/record_editor_dialog.h"

class QCheckBox;
class QComboBox;
class QLayout;
class QLineEdit;

namespace talvex {

class FormBuilder;

class CEditAddressMaskDlg : public RecordEditorDialog<MaskEditorSession> {
    Q_OBJECT
public:
    CEditAddressMaskDlg(ShellContext& context, int entry, QWidget* parent = nullptr);

    MaskEditorFields readFields() const override;

protected:
    // Up and Down in an offset box step it like its arrows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One address side: its list, offset box with arrows, and mask box.
    struct AddressSide {
        QComboBox* list = nullptr;
        QLineEdit* offset = nullptr;
        QWidget* arrows = nullptr;
        QLineEdit* mask = nullptr;
    };

    void buildWidgets() override;
    void showFields(const MaskEditorFields& fields) override;
    // The parts of the dialog, top to bottom, in the keyboard's order.
    QLayout* buildTop(FormBuilder& form);
    QLayout* buildNumbers(FormBuilder& form);
    QLayout* buildFlags(FormBuilder& form);
    QLayout* buildDefaultAction(FormBuilder& form);
    // The group of one address side, titled `title` ("&Source Address").
    QWidget* addressGroup(FormBuilder& form, const QString& title, const char* side,
                          std::string_view fromHint, std::string_view offsetHint,
                          std::string_view maskHint, AddressSide& made);
    QWidget* offsetArrows(QLineEdit* box, const QString& name);
    // The live record (after the opening defaults).
    const AddressMask& record() const;
    // The lists refilled for the current mode, then the field texts.
    void showModeRefresh(const MaskEditorFields& fields);
    void showFieldTexts(const MaskEditorFields& fields);
    void runModeRefresh();
    void runFieldRefresh();

    bool updating_ = false;

    QLineEdit* entryBox_ = nullptr;
    QCheckBox* templatesBox_ = nullptr;
    AddressSide src_;
    AddressSide dst_;
    QLineEdit* ttlBox_ = nullptr;
    QLineEdit* qosBox_ = nullptr;
    QCheckBox* absoluteTtlBox_ = nullptr;
    QCheckBox* bidirectionalBox_ = nullptr;
    QCheckBox* keyGroupCheck_ = nullptr;
    QLineEdit* keyGroupBox_ = nullptr;
    QCheckBox* auditBox_ = nullptr;
    QComboBox* actionList_ = nullptr;
    QLineEdit* paramBox_ = nullptr;
};

} // namespace talvex
