#pragma once
// Base of the four editors, each on one record of its table: it owns the
// editor's session (config/editor_session.h), so OK stores the fields and
// sets `modified`, a refused OK marks the field that stopped it and says why
// (RefusalMark), and every other ending puts the record back. An editor
// makes its widgets in one step, buildWidgets(), with an EditorForm that
// binds each control to the member of the fields it shows; showing and
// reading the fields then needs nothing of the editor but what follows a
// showing (its enabling, in afterShow()). Its constructor ends with
// openFields().
#include "widgets/dialog_focus.h"
#include "widgets/editor_dialog.h"
#include "widgets/editor_form.h"
#include "widgets/refusal_mark.h"
#include "widgets/shell_context.h"

namespace talvex {

template <typename Session>
class RecordEditorDialog : public EditorDialog {
public:
    using Fields = typename Session::Fields;

    // The fields as the dialog shows them now.
    Fields readFields() const
    {
        Fields fields;
        bindings_.read(fields);
        return fields;
    }

protected:
    using Form = EditorForm<Fields>;

    // Opens the session on entry `entry` of its table.
    RecordEditorDialog(ShellContext& context, int entry, const QString& title, QWidget* parent)
        : EditorDialog(parent), context_(context),
          session_(TableOf<typename Session::Record>(context.image()), entry),
          refusalMark_(new RefusalMark(context, this))
    {
        setWindowTitle(title);
    }

    // Makes, binds and lays out the widgets, in the keyboard's order.
    virtual void buildWidgets(Form& form) = 0;
    // What the editor does around a showing of fields: before, whatever the
    // bound widgets need first (the rows of a list); after, the enabling
    // that follows the fields.
    virtual void beforeShow(const Fields&) {}
    virtual void afterShow(const Fields&) {}

    void showFields(const Fields& fields)
    {
        showing_ = true;
        beforeShow(fields);
        bindings_.show(fields);
        showing_ = false;
        afterShow(fields);
    }
    // Whether fields are being shown: what the controls signal meanwhile
    // comes from the showing, not from the operator, and afterShow() follows.
    bool showingFields() const { return showing_; }

    // Builds the widgets, shows the fields as the session opened them, takes
    // back what the widgets show (a widget may present a value its own way)
    // and puts the focus on the first field.
    void openFields()
    {
        Form form(*this, context_, bindings_);
        buildWidgets(form);
        showFields(session_.openingFields());
        session_.setOpeningFields(readFields());
        FocusFirstField(*this);
    }

    ShellContext& context() const { return context_; }
    const Session& session() const { return session_; }

private:
    // OK: invalid input stores nothing, marks the first invalid field, says
    // why and keeps the editor open.
    bool commit() final
    {
        FieldRefusal refusal;
        if (!session_.accept(readFields(), &refusal)) {
            refusalMark_->show(bindings_.widgetOf(refusal.field), refusal.reason);
            return false;
        }
        context_.setModified();
        return true;
    }
    void cancel() final { session_.cancel(); }

    ShellContext& context_;
    Session session_;
    FieldBindings<Fields> bindings_;
    RefusalMark* refusalMark_;
    bool showing_ = false;
};

} // namespace talvex
