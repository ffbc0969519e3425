#include "config/code_tables.h"

#include <array>

#include "config/records.h"

namespace talvex {

namespace {

constexpr CodeEntry END_ROW{0, 0, CODE_TABLE_END, "{End}"};

constexpr std::array OPERATOR_ROWS{
    CodeEntry{0, 2, OPERATOR_EQUAL, "=="},
    CodeEntry{0, 2, OPERATOR_GREATER, ">"},
    CodeEntry{0, 2, OPERATOR_LESS, "<"},
    CodeEntry{0, 2, OPERATOR_DOLLAR, "$"},
    CodeEntry{0, 2, OPERATOR_QUERY, "?"},
    CodeEntry{0, 2, OPERATOR_NOT_EQUAL, "<>"},
    CodeEntry{0, 2, OPERATOR_NOT_GREATER, "=<"},
    CodeEntry{0, 2, OPERATOR_NOT_LESS, ">="},
    CodeEntry{0, 2, OPERATOR_NOT_DOLLAR, "!$"},
    CodeEntry{0, 2, OPERATOR_NOT_QUERY, "!?"},
    END_ROW,
};

constexpr std::array CONDITION_ROWS{
    CodeEntry{0, 1, CONDITION_COMPARISON, "Comparison"},
    CodeEntry{1, 0, CONDITION_RECEIVED, "Packet Received"},
    CodeEntry{2, 0, CONDITION_SENT, "Packet Sent"},
    CodeEntry{3, 3, CONDITION_CONNECTION_EXISTS, "Connection Already Exists"},
    CodeEntry{4, 3, CONDITION_CONNECTION_NEW, "Connection Is New / Unknown"},
    CodeEntry{5, 5, CONDITION_POPULATION_IN, "Key Grp Population In Range"},
    CodeEntry{6, 5, CONDITION_POPULATION_OUT, "Key Grp Population Not In Range"},
    END_ROW,
};

constexpr std::array ACTION_ROWS{
    CodeEntry{0, 0, ACTION_NEXT_SEQUENCE, "Next Sequence"},
    CodeEntry{0, 0, ACTION_NEXT_RULE, "Next Rule"},
    CodeEntry{0, 1, ACTION_GOTO_SEQUENCE, "Goto Sequence..."},
    CodeEntry{0, 1, ACTION_GOTO_RULE, "Goto Rule..."},
    CodeEntry{0, 0, ACTION_DROP_FRAME, "Drop Frame"},
    CodeEntry{0, 0, ACTION_FORWARD_FRAME, "Forward Frame"},
    CodeEntry{0, 1, ACTION_DELAY_FRAME, "Delay Frame..."},
    CodeEntry{0, 1, ACTION_QOS, "QoS..."},
    CodeEntry{0, 1, ACTION_ADDRESS_MASK, "Address Mask..."},
    CodeEntry{0, 1, ACTION_TOS, "TOS (IP Only)..."},
    CodeEntry{0, 1, ACTION_DIFFSERV, "DiffServ (IP Only)..."},
    CodeEntry{0, 1, ACTION_PRIORITY_QUEUE, "Priority Queue..."},
    CodeEntry{0, 1, ACTION_AUDIT_FORWARD, "Audit, Then Forward..."},
    CodeEntry{0, 1, ACTION_AUDIT_NEXT_RULE, "Audit, Then Next Rule..."},
    CodeEntry{0, 0, ACTION_LOG_FORWARD, "Log, Then Forward"},
    CodeEntry{0, 0, ACTION_LOG_NEXT_RULE, "Log, Then Next Rule"},
    END_ROW,
};

// "<No Action Selected>" followed by every action row, end row included.
constexpr auto DEFAULT_ACTION_ROWS = [] {
    std::array<CodeEntry, ACTION_ROWS.size() + 1> rows{};
    rows[0] = CodeEntry{0, 0, ACTION_NONE, "<No Action Selected>"};
    for (std::size_t i = 0; i < ACTION_ROWS.size(); ++i)
        rows[i + 1] = ACTION_ROWS[i];
    return rows;
}();

constexpr std::array OFFSET_BASE_ROWS{
    CodeEntry{0, 0, BASE_RAW, "RAW"},     CodeEntry{0, 0, BASE_DMAC, "D-MAC"},
    CodeEntry{0, 0, BASE_SMAC, "S-MAC"},  CodeEntry{0, 0, BASE_FRAME, "FRAME"},
    CodeEntry{0, 0, BASE_FRAGS, "FRAGS"}, CodeEntry{0, 0, BASE_ECB, "ECB"},
    CodeEntry{0, 0, BASE_MLID, "MLID"},   CodeEntry{0, 0, BASE_END, "END"},
    END_ROW,
};

constexpr std::array KEY_TYPE_ROWS{
    CodeEntry{0, 0, 1, "<Don't Care>"},
    CodeEntry{0, 0, 2, "IP Class A net"},
    CodeEntry{0, 0, 3, "IP Class B net"},
    CodeEntry{0, 0, 4, "IP Class C net"},
    CodeEntry{0, 0, 5, "IP addr"},
    CodeEntry{0, 0, 6, "IP port"},
    CodeEntry{0, 0, 7, "IP addr+port"},
    CodeEntry{0, 0, 8, "IPX net"},
    CodeEntry{0, 0, 9, "IPX node"},
    CodeEntry{0, 0, 10, "IPX socket"},
    CodeEntry{0, 0, 11, "IPX net+node"},
    CodeEntry{0, 0, 12, "IPX node+port"},
    CodeEntry{0, 0, 13, "IPX net+port"},
    CodeEntry{0, 0, 14, "IPX net+node+socket"},
    CodeEntry{0, 0, 15, "MAC address"},
    END_ROW,
};

constexpr std::array RULE_TYPE_ROWS{CodeEntry{0, 1, 0, "If"}, END_ROW};

constexpr std::array PROTOCOL_ID_ROWS{
    CodeEntry{0, 1, 0x8137, "IPX/SPX Ethernet II / SNAP"},
    CodeEntry{0, 0, 0x0600, "XNS Ethernet II / SNAP"},
    CodeEntry{0, 0, 0x80F3, "AARP Ethernet II / SNAP"},
    CodeEntry{0, 2, 0x809B, "AppleTalk Ethernet II"},
    CodeEntry{0, 2, 0x0806, "ARP Ethernet II / SNAP"},
    CodeEntry{0, 2, 0x8035, "RARP Ethernet II / SNAP"},
    CodeEntry{0, 2, 0x0800, "IP Ethernet II / SNAP"},
    CodeEntry{0, 2, 0x00E0, "IPX/SPX Ethernet 802.2"},
    CodeEntry{0, 2, 0x00FC, "RPL Ethernet 802.2"},
    CodeEntry{0, 2, 0x0004, "SNA Ethernet 802.2"},
    CodeEntry{0, 2, 0x00F0, "NetBIOS Ethernet 802.2"},
    CodeEntry{0, 2, 0x0000, "IPX/SPX Ethernet 802.3"},
    END_ROW,
};

constexpr std::array ALGORITHM_ROWS{CodeEntry{0, 0, 1, "Sum of Products"}, END_ROW};

} // namespace

std::span<const CodeEntry> OperatorTable() { return OPERATOR_ROWS; }
std::span<const CodeEntry> ConditionTable() { return CONDITION_ROWS; }
std::span<const CodeEntry> ActionTable() { return ACTION_ROWS; }
std::span<const CodeEntry> DefaultActionTable() { return DEFAULT_ACTION_ROWS; }
std::span<const CodeEntry> OffsetBaseTable() { return OFFSET_BASE_ROWS; }
std::span<const CodeEntry> KeyTypeTable() { return KEY_TYPE_ROWS; }
std::span<const CodeEntry> RuleTypeTable() { return RULE_TYPE_ROWS; }
std::span<const CodeEntry> ProtocolIdTable() { return PROTOCOL_ID_ROWS; }
std::span<const CodeEntry> AlgorithmTable() { return ALGORITHM_ROWS; }

const CodeEntry* LookupCodeEntry(std::span<const CodeEntry> table, std::uint32_t code)
{
    int examined = 0;
    for (const CodeEntry& row : table) {
        if (examined == CODE_LOOKUP_LIMIT || row.code == CODE_TABLE_END)
            return nullptr;
        if (row.code == code)
            return &row;
        ++examined;
    }
    return nullptr;
}

std::optional<std::string_view> LookupCodeText(std::span<const CodeEntry> table,
                                               std::uint32_t code)
{
    if (const CodeEntry* row = LookupCodeEntry(table, code))
        return row->text;
    return std::nullopt;
}

std::uint32_t ShownChoiceCode(std::span<const CodeEntry> table, std::uint32_t code)
{
    if (LookupCodeEntry(table, code) != nullptr)
        return code;
    return table.front().code;
}

} // namespace talvex
