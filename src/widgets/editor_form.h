#pragma once
// The form builder of an editor: each control it makes is also bound to the
// member of the editor's fields it shows, in the same call, so an editor
// never writes its fields into widgets or reads them back by hand.
#include "widgets/field_bindings.h"
#include "widgets/form_builder.h"

namespace talvex {

template <typename Fields>
class EditorForm : public FormBuilder {
public:
    EditorForm(QDialog& dialog, const ShellContext& context, FieldBindings<Fields>& bindings)
        : FormBuilder(dialog, context), bindings_(bindings)
    {
    }

    using FormBuilder::checkBox;
    using FormBuilder::choice;
    using FormBuilder::display;
    using FormBuilder::radioButton;
    using FormBuilder::textBox;

    // The controls of FormBuilder, bound to `member` (and for an array
    // member, its element `index`: textBox(look, &Fields::params, 2)).
    template <typename Member, typename... Index>
    LabelledBox textBox(const FieldLook& look, Member member, Index... index)
    {
        const LabelledBox made = FormBuilder::textBox(look);
        bindings_.bind(made.box, member, index...);
        return made;
    }
    template <typename Member>
    LabelledBox display(const FieldLook& look, Member member)
    {
        const LabelledBox made = FormBuilder::display(look);
        bindings_.bind(made.box, member);
        return made;
    }
    template <typename Member>
    LabelledChoice choice(const FieldLook& look, std::span<const CodeEntry> table, Member member)
    {
        const LabelledChoice made = FormBuilder::choice(look, table);
        bindings_.bind(made.list, member);
        return made;
    }
    QCheckBox* checkBox(const QString& text, const char* name, std::string_view hint,
                        bool Fields::*member)
    {
        QCheckBox* box = FormBuilder::checkBox(text, name, hint);
        bindings_.bind(box, member);
        return box;
    }
    QRadioButton* radioButton(const QString& text, const char* name, std::string_view hint,
                              bool Fields::*member)
    {
        QRadioButton* button = FormBuilder::radioButton(text, name, hint);
        bindings_.bind(button, member);
        return button;
    }

private:
    FieldBindings<Fields>& bindings_;
};

} // namespace talvex
