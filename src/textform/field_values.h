#pragma once
// One field's value between a record's bytes and the text form.
#include <span>
#include <string>
#include <string_view>

#include "config/failure.h"
#include "textform/field_forms.h"

namespace talvex::textform {

using RecordView = std::span<const std::uint8_t, RECORD_SIZE>;
using RecordSpan = std::span<std::uint8_t, RECORD_SIZE>;

// The field's value as the text form writes it, in double quotes when it
// holds anything but letters, digits and "_.|+-" (so "==" and words with
// spaces are quoted).
std::string FormatField(const FieldForm& field, RecordView record);

// Reads a value (its quotes already taken off) into the field's bits of the
// record. On false the record is unchanged and `failure` names the field,
// the value and what is wrong with it.
bool StoreField(const FieldForm& field, std::string_view value, RecordSpan record,
                Failure& failure);

// Whether the two records differ in the field's bits.
bool FieldDiffers(const FieldForm& field, RecordView a, RecordView b);

// " name=value" for every field in which `record` differs from `other`, in
// the table's field order.
std::string DifferingFields(const TableForm& table, RecordView record, RecordView other);

} // namespace talvex::textform
