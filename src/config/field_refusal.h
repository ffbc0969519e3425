#pragma once
// Why an editor's OK was refused: the field that stopped it and one line in
// the operator's words, its visible label and what the editor takes there
// ("Offset: type a whole number"). An editor checks its fields in the order
// the keyboard reaches them, so the field named is the first invalid one.
//
// A field is named by where its member lies in the editor's fields (its
// byte offset, or that of one element of an array member), so whatever knows
// a widget's member finds the widget of a refusal without a table per editor.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace talvex {

struct FieldRefusal {
    std::size_t field = 0;  // FieldOffset of the member that stopped OK
    std::string reason;     // one line

    bool operator==(const FieldRefusal&) const = default;
};

// Where `part` lies in `whole`, in bytes.
template <typename Whole, typename Part>
std::size_t OffsetIn(const Whole& whole, const Part& part)
{
    return static_cast<std::size_t>(reinterpret_cast<const char*>(&part)
                                    - reinterpret_cast<const char*>(&whole));
}

// The byte offset of `member` in a Fields, or of its element `index`.
template <typename Fields, typename Member>
std::size_t FieldOffset(Member Fields::*member)
{
    static const Fields PROBE{};
    return OffsetIn(PROBE, PROBE.*member);
}
template <typename Fields, typename Element, std::size_t N>
std::size_t FieldOffset(std::array<Element, N> Fields::*member, std::size_t index)
{
    static const Fields PROBE{};
    return OffsetIn(PROBE, (PROBE.*member).at(index));
}

// The reason of a box that takes a whole number and holds none: its label,
// then ": type a whole number".
inline std::string WholeNumberReason(std::string_view label)
{
    return std::string(label).append(": type a whole number");
}

// Fills `refusal`, when the caller asked for one, and returns false.
inline bool Refuse(FieldRefusal* refusal, std::size_t field, std::string reason)
{
    if (refusal != nullptr)
        *refusal = FieldRefusal{field, std::move(reason)};
    return false;
}
template <typename Fields, typename Member>
bool Refuse(FieldRefusal* refusal, Member Fields::*member, std::string reason)
{
    return Refuse(refusal, FieldOffset(member), std::move(reason));
}

} // namespace talvex
