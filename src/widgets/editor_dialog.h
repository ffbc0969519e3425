#pragma once
// Base of every editor and wizard: OK is the only way to a result. OK (the
// button, Return, accept(), done(Accepted)) ends the dialog as accepted only
// once commit() succeeded, and keeps it open otherwise; every other ending
// (Cancel, Escape, the window's close button, reject(), done() with any
// other code) runs cancel() first. An editor holds its EditorSession as a
// member: commit() is the session's accept(), cancel() its cancel(), and a
// dialog destroyed without either restores its record through the session's
// own destructor.
#include <QDialog>

#include "widgets/shell_context.h"

namespace talvex {

class EditorDialog : public QDialog {
    Q_OBJECT
public:
    void accept() final;
    void reject() final;
    void done(int result) override;

protected:
    explicit EditorDialog(QWidget* parent);

private:
    // OK's work; false keeps the dialog open (invalid input).
    virtual bool commit() = 0;
    // The work of every other ending; may run more than once.
    virtual void cancel() {}
};

// The commit() of an editor on its EditorSession: the fields the dialog
// shows go to the session's accept(), and when that takes them, `modified`
// is set.
template <typename Session, typename Fields>
bool AcceptFields(Session& session, const Fields& shown, ShellContext& context)
{
    if (!session.accept(shown))
        return false;
    context.setModified();
    return true;
}

} // namespace talvex
