#pragma once
// The texts the address-mask page and editor put into the hints window. Each
// is a title line, an empty line and paragraphs separated by empty lines,
// with CR LF line breaks.

namespace talvex {

// The list of the "Address Masks" page gets the focus.
constexpr const char* MASK_LIST_HINT =
    "Address Masks\r\n\r\n"
    "This is the list of Address Masks.  You can Add, Edit, or Delete address masks.\r\n\r\n"
    "Highlight the desired address mask and use the corresponding buttons.  Double clicking on "
    "a address mask will pop up the Edit dialog.\r\n\r\n"
    "Address masks specify the part of a frame that uniquely identifies it as traffic for a "
    "certain connection.  Since the masks are user definable, the concept of a connection can "
    "be defined any way you want.\r\n\r\n"
    "The address mask refers to a QoS node which is used as a template for creating new QoS "
    "nodes to manage a given connection's traffic.";

// "Absolute TTL" clicked.
constexpr const char* MASK_ABSOLUTE_TTL_HINT =
    "Absolute TTL\r\n\r\n"
    "When checked, the TSE treats the TTL as an absolute timeout: the connection entry is "
    "destroyed once the TTL has elapsed, even if traffic for the connection arrived "
    "recently.\r\n\r\n"
    "Clearing the TSE's connection entry does not affect the hosts; the next frame of the "
    "connection simply creates it again.\r\n\r\n"
    "Use it to make the TSE regenerate the QoS nodes of a class of connections periodically, "
    "for example to reset every 24 hours QoS nodes that use absolute thresholds and are stuck "
    "in the 'on' state.";

// Focus enters the destination mask box.
constexpr const char* MASK_DESTINATION_MASK_HINT =
    "Destination Mask\r\n\r\n"
    "This box holds, in dotted hexadecimal, the bits of the frame that identify the "
    "destination address of a connection.  Mask bits that are 1 are used, bits that are 0 are "
    "ignored.\r\n\r\n"
    "Example: FF.FF.00.C3 uses the first two bytes fully, ignores the third, and uses the "
    "highest two and the lowest two bits of the fourth.\r\n\r\n"
    "The mask may be up to 16 bytes long.";

// What the offset types mean; the source and destination topics share it.
#define MASK_OFFSET_TYPES_EXPLAINED \
    "This list selects the standard part of the frame to which the offset value is " \
    "added.\r\n\r\n" \
    "RAW: the offset counts from the first byte of the raw frame.\r\n\r\n" \
    "D-MAC: the offset counts from the destination MAC address.\r\n\r\n" \
    "S-MAC: the offset counts from the source MAC address.\r\n\r\n" \
    "FRAME: the offset counts from the first byte after the source MAC address.\r\n\r\n" \
    "FRAGS: the offset counts from the first byte that does not depend on the frame " \
    "encapsulation, typically the protocol payload.\r\n\r\n" \
    "ECB: the offset counts from the first byte of the ECB, an internal NetWare data " \
    "structure.\r\n\r\n" \
    "All other types are not yet implemented and are the same as RAW.\r\n\r\n" \
    "For sent frames, RAW, S-MAC, D-MAC and FRAME make the TSE build representations of the " \
    "frame headers."

// Focus enters the destination list.
constexpr const char* MASK_DESTINATION_FROM_HINT =
    "Destination From ( Offset Type )\r\n\r\n"
    MASK_OFFSET_TYPES_EXPLAINED;

// Focus enters the destination offset box.
constexpr const char* MASK_DESTINATION_OFFSET_HINT =
    "Destination Offset Value\r\n\r\n"
    "The offset is relative to the selected offset type.  Type and value together say which "
    "part of the frame is tested against the mask.\r\n\r\n"
    "The offset is an integer from 0 to 255.  For example, a RAW offset of 6 in an Ethernet "
    "frame is the source MAC address, and so is an S-MAC offset of 0.\r\n\r\n"
    "Negative or two's complement offsets are not supported.";

// Focus enters the "QoS" box.
constexpr const char* MASK_QOS_HINT =
    "QoS\r\n\r\n"
    "The QoS node used as the template for each new connection that is created for a unique "
    "source-destination address combination identified by this mask.\r\n\r\n"
    "It must be a valid QoS node.";

// "Bidirectional QoS" clicked.
constexpr const char* MASK_BIDIRECTIONAL_HINT =
    "Bidirectional\r\n\r\n"
    "When checked, the TSE creates one QoS node for both sides of a connection's "
    "conversation, reversing the source and destination masks for sent frames.\r\n\r\n"
    "When unchecked, the two sides are managed separately with the same QoS template; "
    "asymmetric rates are not possible.\r\n\r\n"
    "Checking it halves the number of connections, but inbound and outbound traffic then "
    "compete for the same bandwidth.";

// Focus enters the source mask box.
constexpr const char* MASK_SOURCE_MASK_HINT =
    "Source Mask\r\n\r\n"
    "This box holds, in dotted hexadecimal, the bits of the frame that identify the source "
    "address of a connection.  Mask bits that are 1 are used, bits that are 0 are "
    "ignored.\r\n\r\n"
    "Example: FF.FF.00.C3 uses the first two bytes fully, ignores the third, and uses the "
    "highest two and the lowest two bits of the fourth.\r\n\r\n"
    "The mask may be up to 16 bytes long.";

// Focus enters the source list.
constexpr const char* MASK_SOURCE_FROM_HINT =
    "Source From ( Offset Type )\r\n\r\n"
    MASK_OFFSET_TYPES_EXPLAINED;

// Focus enters the source offset box.
constexpr const char* MASK_SOURCE_OFFSET_HINT =
    "Source Offset Value\r\n\r\n"
    "The offset is relative to the selected offset type.  Type and value together say which "
    "part of the frame is tested against the mask.\r\n\r\n"
    "The offset is an integer from 0 to 255.  For example, a RAW offset of 6 in an Ethernet "
    "frame is the source MAC address, and so is an S-MAC offset of 0.\r\n\r\n"
    "Negative or two's complement offsets are not supported.";

// Focus enters the "TTL" box.
constexpr const char* MASK_TTL_HINT =
    "TTL ( Time To Live )\r\n\r\n"
    "How long a connection may go without new traffic before the TSE clears it.  Clearing "
    "does not affect the hosts; the next frame of the connection rebuilds the entry.\r\n\r\n"
    "The TTL is given in seconds, from 1 second to 7 years.  It is normally comparable to the "
    "TTL of the connections being managed, 120 to 240 seconds, and lower for very busy "
    "networks.\r\n\r\n"
    "Absolute TTL forces the entry to be destroyed even when traffic arrived recently.";

#undef MASK_OFFSET_TYPES_EXPLAINED

} // namespace talvex
