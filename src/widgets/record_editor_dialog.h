#pragma once
// Base of the four editors, each on one record of its table: it owns the
// editor's session (config/editor_session.h), so OK stores the fields and
// sets `modified`, and every other ending puts the record back. An editor
// adds its widgets in three steps, the same in all four: buildWidgets()
// makes and lays them out (FormBuilder), showFields() shows a set of fields,
// readFields() reads them back. Its constructor ends with openFields().
#include "widgets/dialog_focus.h"
#include "widgets/editor_dialog.h"
#include "widgets/shell_context.h"

namespace talvex {

template <typename Session>
class RecordEditorDialog : public EditorDialog {
public:
    using Fields = typename Session::Fields;

    // The fields as the dialog shows them now.
    virtual Fields readFields() const = 0;

protected:
    template <typename Table>
    RecordEditorDialog(ShellContext& context, Table& table, int entry, const QString& title,
                       QWidget* parent)
        : EditorDialog(parent), context_(context), session_(table, entry)
    {
        setWindowTitle(title);
    }

    virtual void buildWidgets() = 0;
    virtual void showFields(const Fields& fields) = 0;

    // Builds the widgets, shows the fields as the session opened them, takes
    // back what the widgets show (a widget may present a value its own way)
    // and puts the focus on the first field.
    void openFields()
    {
        buildWidgets();
        showFields(session_.openingFields());
        session_.setOpeningFields(readFields());
        FocusFirstField(*this);
    }

    ShellContext& context() const { return context_; }
    Session& session() { return session_; }
    const Session& session() const { return session_; }

private:
    // OK: invalid input stores nothing, shows nothing and keeps the editor open.
    bool commit() final
    {
        if (!session_.accept(readFields()))
            return false;
        context_.setModified();
        return true;
    }
    void cancel() final { session_.cancel(); }

    ShellContext& context_;
    Session session_;
};

} // namespace talvex
