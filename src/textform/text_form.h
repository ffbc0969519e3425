#pragma once
// The whole configuration as text: exact to the byte, readable in a diff,
// writable by hand.
//
//   TALVEX configuration Beta 2
//   # comments and blank lines are ignored
//   rule 0 ruleFlags=RULE_DEFINED offsetBase=FRAGS thenAction="Next Rule" offset=9 ...
//   rule 1 ruleFlags=RULE_DEFINED condition="Packet Sent" thenAction=QoS... thenParam=2 ...
//   qos 2 flags=QOS_IMMORTAL|QOS_BY_BYTES rateInterval=8000
//   mask 0 flags=MASK_IN_USE srcMask=FF.FF.FF.FF srcKeyType="IP addr" srcBase=FRAGS ...
//
// Header: the first line that is not blank or a comment is "TALVEX
// configuration Beta 1" (rules, QoS nodes, address masks) or "... Beta 2"
// (adds the priority queues); it sets the generation the file is saved in.
//
// Entries: one line each, "TABLE ENTRY name=value ...", TABLE one of rule,
// qos, mask, priq, ENTRY the entry number. Every entry starts as the entry of
// a new configuration (ResetTables); the fields given on its line replace
// their part of it, in any order. So an entry left out, or a field left out,
// keeps its new value, and a header with a few entry lines is a whole
// configuration. The writer writes exactly the entries and fields that
// differ from a new configuration, in table and field order.
//
// Fields carry the record's own field names (field_forms.cpp); the bytes
// that belong to the engine are named by their offset (engine16 is the
// engine's u32 at byte 16). Every bit of a record belongs to exactly one
// field, which is what makes the text exact:
// - numbers in decimal (signed where the field is);
// - patterns, masks and engine byte spans in dotted hexadecimal; bytes after
//   the ones given are zero, and the writer leaves trailing zero bytes off;
// - codes by the manager's words: offsetBase=FRAGS, condition="==",
//   thenAction="Forward Frame" (the dots of "QoS..." may be left off);
// - flag words by flag names joined by "|": flags=MASK_IN_USE|MASK_AUDIT;
// - anything no table names is written in hexadecimal with two digits a
//   byte: an unknown code, a code byte with the kept high bits set
//   (thenAction=0x25), spare flag bits (ruleFlags=RULE_DEFINED|0x08), engine
//   numbers. Every number may be given that way.
// Rule byte 4 holds two fields, ruleFlags (bits 0-3) and offsetBase (bits
// 4-7); an action or condition byte is one field, whole, so a byte with a
// kept high bit set is no action word but its hexadecimal value.
// A value with anything but letters, digits and "_.|+-" is written in double
// quotes; "#" outside quotes starts a comment.
//
// The engine's run-time fields (rule bytes 16-19 and 22-25, ALWAYS_HIT and
// ALWAYS_MISS; QoS bytes 0-11, 14-35, 52-59) are cleared by every load, so a
// loaded configuration never holds them and the reader refuses a value there
// rather than write a file that changes on its next load.
#include <string>
#include <string_view>

#include "config/failure.h"
#include "config/records.h"

namespace talvex::textform {

// "Beta 1" when the priority-queue block is absent, else "Beta 2".
std::string_view GenerationName(const ConfigImage& image);

// The text of a loaded image (after ClearRuntimeFields, with the mask block).
std::string WriteConfigText(const ConfigImage& image);

// Reads a text into the image, which it first resets; the generation flags
// follow the header. On false `failure` names the line and the reason, and
// the image holds whatever was read up to it.
bool ReadConfigText(std::string_view text, ConfigImage& image, Failure& failure);

} // namespace talvex::textform
