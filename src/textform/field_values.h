#pragma once
// One field's value between a record's bytes and the text form.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/failure.h"
#include "textform/field_forms.h"

namespace talvex::textform {

using RecordView = std::span<const std::uint8_t, RECORD_SIZE>;
using RecordSpan = std::span<std::uint8_t, RECORD_SIZE>;
using RecordBits = std::array<std::uint8_t, RECORD_SIZE>;

// The bits of the table's records that hold the engine's run-time state,
// those ClearRuntimeFields clears.
const RecordBits& RuntimeBits(const TableForm& table);

// The field's value as the text form writes it, in double quotes when it
// holds anything but letters, digits and "_.|+-" (so "==" and words with
// spaces are quoted).
std::string FormatField(const FieldForm& field, RecordView record);

// Reads a value (its quotes already taken off) into the field's bits of the
// record. On false the record is unchanged and `failure` names the field,
// the value as found and what was expected.
bool StoreField(const FieldForm& field, std::string_view value, RecordSpan record,
                Failure& failure);

// A number as the text form reads every number: decimal with an optional
// minus, or 0x and hexadecimal digits.
std::optional<std::int64_t> ReadWholeNumber(std::string_view text);

// How the field is written, in a few words: "a number from 0 to 65535",
// the words or flag names it takes, what of it a load clears.
std::string FormText(const TableForm& table, const FieldForm& field);

// Whether the two records differ in the field's bits.
bool FieldDiffers(const FieldForm& field, RecordView a, RecordView b);

// The field's bits of `from` written over those of `to`.
void CopyField(const FieldForm& field, RecordView from, RecordSpan to);

// A number field's value as its bits (the field's owned bits of the
// little-endian value), and the bits written over the field, those outside
// the field left out.
std::uint32_t FieldBits(const FieldForm& field, RecordView record);
void SetFieldBits(const FieldForm& field, RecordSpan record, std::uint32_t value);

// " name=value" for every field in which `record` differs from `other`, in
// the table's field order.
std::string DifferingFields(const TableForm& table, RecordView record, RecordView other);

} // namespace talvex::textform
