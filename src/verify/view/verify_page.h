#pragma once
#include "widgets/talvex_page.h"

class QPlainTextEdit;

namespace talvex {

// The "Verify Configuration" page of the sheet: one text box with the
// verification report of the image as it is now. The box is refreshed when
// the page is created, whenever it becomes the current page and whenever the
// box gets the focus, so text typed into the box does not last. The page
// never changes the image.
class CTalvexVerify : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexVerify(ShellContext& context, QWidget* parent = nullptr);

    // Replaces the box's whole text with the report of the image as it is.
    void refreshReport();

protected:
    void pageActivated() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* reportBox_;
};

} // namespace talvex
