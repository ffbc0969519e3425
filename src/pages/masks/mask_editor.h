#pragma once
// The logic of the "Edit Address Mask" editor apart from its widgets: the
// field texts and choices it shows for a record, the two refreshes that the
// templates box and the lists trigger, which boxes are enabled, and the
// encoding of the fields back into the record on OK.
#include <span>
#include <string>
#include <string_view>

#include "config/code_tables.h"
#include "config/edited_inputs.h"
#include "config/editor_session.h"
#include "config/field_refusal.h"
#include "config/records.h"

namespace talvex {

// Everything the editor shows. The two address choices hold key-type codes
// while `useTemplates` is set and offset-base codes otherwise.
struct MaskEditorFields {
    std::string entry;              // "Mask:" box, read-only
    bool useTemplates = false;      // "Use standard templates to simplify mask creation."
    int srcChoice = 0;              // "Source Address" list
    std::string srcOffset;          // its "Offset:" box
    std::string srcMask;            // its mask box, dotted hexadecimal
    int dstChoice = 0;              // "Destination Address" list
    std::string dstOffset;
    std::string dstMask;
    std::string ttl;                // seconds
    std::string qos;
    bool absoluteTtl = false;
    bool bidirectionalQos = false;
    bool useKeyGroup = false;
    std::string keyGroup;
    bool auditConnections = false;
    int defaultAction = 0;          // "Default Action:" list
    std::string defaultParam;

    bool operator==(const MaskEditorFields&) const = default;
};

// One address side of the editor: its name, as its group's title gives it
// ("&Source Address"), and its list and two boxes.
struct MaskSideFields {
    const char* name;  // "Source"
    int MaskEditorFields::*choice;
    std::string MaskEditorFields::*offsetText;
    std::string MaskEditorFields::*maskText;
};

constexpr MaskSideFields MASK_SOURCE{"Source", &MaskEditorFields::srcChoice,
                                     &MaskEditorFields::srcOffset, &MaskEditorFields::srcMask};
constexpr MaskSideFields MASK_DESTINATION{"Destination", &MaskEditorFields::dstChoice,
                                          &MaskEditorFields::dstOffset,
                                          &MaskEditorFields::dstMask};

struct MaskEditorEnabling {
    bool offsetsAndMasks;           // the two offset and the two mask boxes
    bool keyGroup;
    bool defaultParam;
};

// The table the two address lists hold: key types with templates, offset
// bases without.
std::span<const CodeEntry> AddressListTable(bool useTemplates);

// The default the editor writes when it opens: an empty record is marked as
// in use with bidirectional QoS (0x0003).
void WriteMaskEditorDefaults(AddressMask& record);

// The fields shown right after opening on this record (entry `entry`).
MaskEditorFields DecodeMaskEditor(const AddressMask& record, int entry);

// Run when the templates box is clicked: both address choices are taken
// again from the stored record for the new mode, then the field refresh
// runs, so turning templates off shows the stored offsets and masks again.
// A click on "Use Key Group" or another default action changes only what is
// enabled (MaskEditorEnablingFor): what was typed and chosen stays.
void ModeRefresh(const AddressMask& record, MaskEditorFields& fields);

// Run when an address choice changes while templates are on (and by the mode
// refresh): with templates the offsets and masks come from the template rows
// of the two choices, without them from the stored record.
void FieldRefresh(const AddressMask& record, MaskEditorFields& fields);

MaskEditorEnabling MaskEditorEnablingFor(const MaskEditorFields& fields);

// OK. `opening` holds the fields as the editor showed them when it opened on
// a used mask, none for a new mask; `fields` the fields now. A new mask is
// encoded from every field. In a used mask a stored value is encoded again
// only when one of its inputs changed; every other value is kept as stored
// and its text is not read. The inputs: each number (TTL, QoS, key group,
// parameter) its own box; the flag bits the four boxes; the default action
// its list; each address side (offset, mask bytes, length, base, key type)
// the templates box and the side's list, offset and mask. A mask shown with
// templates shows the template's offsets and masks, not the stored ones, so
// both its sides are stored as shown. What is read must convert (a
// mask text empty or yielding at least one byte), and the two sides of the
// result must hold at least one mask byte between them; then the result is
// stored and true returned. Otherwise false, the record is untouched and
// `refusal` names the first invalid field in the dialog's keyboard order.
// Bits and bytes the editor does not own keep their value. The caller sets
// `modified` on true.
bool AcceptMaskEditor(const ShownAtOpen<MaskEditorFields>& opening,
                      const MaskEditorFields& fields, AddressMask& record,
                      FieldRefusal* refusal = nullptr);

// The up-down arrows beside an offset box: the box's number moved by `delta`
// and kept within 0 to 255. A box without a number counts as 0.
std::string StepOffsetText(std::string_view text, int delta);

// One run of the editor on one entry of the live table, opened with
// MaskEditorSession(table, entry).
using MaskEditorSession =
    RecordEditorSession<AddressMask, MaskEditorFields, WriteMaskEditorDefaults, DecodeMaskEditor,
                        AcceptMaskEditor>;

} // namespace talvex
