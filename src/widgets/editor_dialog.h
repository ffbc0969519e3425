#pragma once
// Base of every editor and wizard: OK is the only way to a result. OK (the
// button, Return, accept(), done(Accepted)) ends the dialog as accepted only
// once commit() succeeded, and keeps it open otherwise; every other ending
// (Cancel, Escape, the window's close button, reject(), done() with any
// other code) runs cancel() first. The editors' own base is
// RecordEditorDialog.
#include <QDialog>


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

} // namespace talvex
