#pragma once
// The "Edit Address Mask" editor: edits one entry of the mask table in place.
// Opening marks an empty entry as in use; OK stores the fields when they all
// convert (and does nothing otherwise); every other way of closing puts the
// entry back as it was.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "pages/masks/mask_editor.h"
#include "widgets/record_editor_dialog.h"

class QCheckBox;
class QComboBox;
class QLayout;
class QLineEdit;

namespace talvex {

class CEditAddressMaskDlg : public RecordEditorDialog<MaskEditorSession> {
    Q_OBJECT
public:
    CEditAddressMaskDlg(ShellContext& context, int entry, QWidget* parent = nullptr);

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

    // Room for twelve dotted bytes in a mask box; longer masks scroll.
    static constexpr int MASK_CHARS = 35;

    void buildWidgets(Form& form) override;
    // The two address lists hold the rows of the mode shown; the refreshes
    // the lists start wait while fields are shown.
    void beforeShow(const MaskEditorFields& fields) override;
    void afterShow(const MaskEditorFields& fields) override;
    // The controls enabled as the fields say.
    void applyEnabling(const MaskEditorFields& fields);
    // The parts of the dialog, top to bottom, in the keyboard's order.
    QLayout* buildTop(Form& form);
    QLayout* buildNumbers(Form& form);
    QLayout* buildFlags(Form& form);
    QLayout* buildDefaultAction(Form& form);
    // The group of one address side, titled by its name ("&Source Address");
    // `side` starts its controls' object names ("srcList").
    QWidget* addressGroup(Form& form, const MaskSideFields& inputs, const char* side,
                          const std::array<std::string_view, 3>& hints, AddressSide& made);
    QWidget* offsetArrows(QLineEdit* box, const QString& name);
    // The live record (after the opening defaults).
    const AddressMask& record() const;
    void runModeRefresh();
    void runEnabling();
    void runFieldRefresh();

    // The mode whose rows the address lists hold; none before the first showing.
    std::optional<bool> listsForTemplates_;

    QCheckBox* templatesBox_ = nullptr;
    AddressSide src_;
    AddressSide dst_;
    QCheckBox* keyGroupCheck_ = nullptr;
    QLineEdit* keyGroupBox_ = nullptr;
    QComboBox* actionList_ = nullptr;
    QLineEdit* paramBox_ = nullptr;
};

} // namespace talvex
