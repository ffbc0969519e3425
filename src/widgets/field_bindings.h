#pragma once
// Which widget of an editor shows which member of its fields: the editor
// binds each widget once, where it makes it, and showing and reading the
// fields is then the same loop in every editor, as is finding the widget of a
// field OK refused.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <array>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "config/field_refusal.h"
#include "widgets/choice_list.h"
#include "widgets/view_text.h"

namespace talvex {

template <typename Fields>
class FieldBindings {
public:
    // A text box and a text member, or one text of an array member.
    void bind(QLineEdit* box, std::string Fields::*member)
    {
        add(box, FieldOffset(member),
            [box, member](const Fields& f) { SetFieldText(*box, f.*member); },
            [box, member](Fields& f) { f.*member = FieldText(*box); });
    }
    template <std::size_t N>
    void bind(QLineEdit* box, std::array<std::string, N> Fields::*member, std::size_t index)
    {
        add(box, FieldOffset(member, index),
            [box, member, index](const Fields& f) { SetFieldText(*box, (f.*member)[index]); },
            [box, member, index](Fields& f) { (f.*member)[index] = FieldText(*box); });
    }
    // A choice list and the code of its selected row.
    template <typename Code>
        requires std::is_integral_v<Code>
    void bind(QComboBox* list, Code Fields::*member)
    {
        add(list, FieldOffset(member),
            [list, member](const Fields& f) {
                SelectChoiceByCode(*list, static_cast<std::uint32_t>(f.*member));
            },
            [list, member](Fields& f) {
                f.*member = static_cast<Code>(SelectedChoiceCode(*list));
            });
    }
    // A check box or radio button and a flag.
    void bind(QAbstractButton* button, bool Fields::*member)
    {
        add(button, FieldOffset(member),
            [button, member](const Fields& f) { button->setChecked(f.*member); },
            [button, member](Fields& f) { f.*member = button->isChecked(); });
    }

    // Every bound widget shows its member of `fields`, in the order bound.
    void show(const Fields& fields) const
    {
        for (const Binding& binding : bindings_)
            binding.show(fields);
    }
    // Every bound member takes what its widget shows.
    void read(Fields& fields) const
    {
        for (const Binding& binding : bindings_)
            binding.read(fields);
    }
    // The widget bound to the field at this FieldOffset; nullptr for none.
    QWidget* widgetOf(std::size_t field) const
    {
        for (const Binding& binding : bindings_) {
            if (binding.field == field)
                return binding.widget;
        }
        return nullptr;
    }

private:
    struct Binding {
        QWidget* widget;
        std::size_t field;
        std::function<void(const Fields&)> show;
        std::function<void(Fields&)> read;
    };

    void add(QWidget* widget, std::size_t field, std::function<void(const Fields&)> show,
             std::function<void(Fields&)> read)
    {
        bindings_.push_back({widget, field, std::move(show), std::move(read)});
    }

    std::vector<Binding> bindings_;
};

} // namespace talvex
