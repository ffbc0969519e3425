#pragma once
#include "config/table_kind.h"
#include "widgets/talvex_page.h"

class QPlainTextEdit;

namespace talvex {

// The "Verify Configuration" page of the sheet: one read-only text box with
// the verification report of the image as it is now, to read, select and
// copy. The box is refreshed when the page is created, whenever it becomes
// the current page and whenever the box gets the focus. Return or a
// double-click on a finding that names an entry chooses that entry
// (entryChosen), which the sheet shows on its page. The page never changes
// the image.
class CTalvexVerify : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexVerify(ShellContext& context, QWidget* parent = nullptr);

    // Replaces the box's whole text with the report of the image as it is,
    // when the report changed.
    void refreshReport();

signals:
    void entryChosen(TableKind table, int entry);

protected:
    void pageActivated() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The finding of the line the cursor is on, when it names an entry.
    void chooseFindingAtCursor();

    QPlainTextEdit* reportBox_;
};

} // namespace talvex
