#pragma once
// Base of the sheet's pages. The sheet calls activate() every time a page
// becomes the current one; the first call runs openPage() (the page's
// open-time work, done when the page is first shown), every call then runs
// pageActivated().
#include <QWidget>

#include "widgets/shell_context.h"

namespace talvex {

class TalvexPage : public QWidget {
    Q_OBJECT
public:
    TalvexPage(ShellContext& context, const QString& caption, QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    void activate();
    bool hasOpened() const { return opened_; }

protected:
    virtual void openPage() {}
    virtual void pageActivated() {}
    ShellContext& context() const { return context_; }

private:
    ShellContext& context_;
    QString caption_;
    bool opened_ = false;
};

} // namespace talvex
