#pragma once
// The logic of the "Quality of Service" editor, apart from its widgets: what
// it writes into the node when it opens, what it shows, and what OK stores.
#include <cstdint>
#include <string>

#include "config/edited_inputs.h"
#include "config/editor_session.h"
#include "config/field_refusal.h"
#include "config/records.h"

namespace talvex {

// The flag bits the editor owns; every other bit of `flags` is carried over.
constexpr std::uint16_t QOS_EDITOR_BITS = QOS_IMMORTAL | QOS_FIXED_DELAY | QOS_BY_BYTES
    | QOS_BY_FRAMES | QOS_THRESHOLDS | QOS_ABSOLUTE | QOS_BANKING;  // 0x017D

// The flags a node gets when the editor opens it empty: frames, immortal.
constexpr std::uint16_t QOS_NEW_NODE_FLAGS = QOS_BY_FRAMES | QOS_IMMORTAL;  // 0x0011

// The editor's field texts and the states of its check boxes and radio buttons.
struct QosEditorFields {
    std::string entry;    // "QoS:", read-only
    std::string rate;     // per second
    std::string seconds;  // "Seconds Per Sample"
    std::string low;      // per second
    std::string high;     // per second
    bool bytes = false;
    bool frames = false;
    bool thresholds = false;
    bool absolute = false;
    bool fixedDelay = false;
    bool banking = false;
    bool immortal = false;
};

// The defaults the editor writes when it opens, where a value is missing:
// flags 0x0011, rate interval 1000, sample period 1000000.
void WriteQosEditorDefaults(QosNode& node);

// What the editor shows for the node (after its defaults) of entry `entry`.
QosEditorFields DecodeQosEditor(const QosNode& node, int entry);

// The node's flags with the editor's seven bits taken from the fields.
std::uint16_t EncodeQosFlags(std::uint16_t oldFlags, const QosEditorFields& fields);

// OK. `opening` holds the fields as the editor showed them when it opened on
// a used node, none for a new node; `fields` the fields now. A new node is
// encoded from every field. In a used node a stored value is encoded again
// only when one of its inputs changed: rate interval from the rate, sample period from the
// seconds, each threshold from its own text and the seconds, the flags from
// the boxes; every other value is kept as stored and its text is not read.
// When every text read is valid, stores the result and returns true;
// otherwise returns false, leaves the node untouched and names the first
// invalid field in the dialog's keyboard order in `refusal`.
bool AcceptQosEditor(const ShownAtOpen<QosEditorFields>& opening, const QosEditorFields& fields,
                     QosNode& node, FieldRefusal* refusal = nullptr);

// One run of the editor on one node of the live table, opened with
// QosEditorSession(table, entry).
using QosEditorSession = RecordEditorSession<QosNode, QosEditorFields, WriteQosEditorDefaults,
                                             DecodeQosEditor, AcceptQosEditor>;

} // namespace talvex
