#include "config/code_tables.h"

#include <array>

namespace talvex {

namespace {

constexpr CodeEntry End{0, 0, CODE_TABLE_END, "{End}"};

constexpr std::array operatorRows{
    CodeEntry{0, 2, 0x0000, "=="}, CodeEntry{0, 2, 0x0200, ">"},  CodeEntry{0, 2, 0x0300, "<"},
    CodeEntry{0, 2, 0x0400, "$"},  CodeEntry{0, 2, 0x0500, "?"},  CodeEntry{0, 2, 0x1000, "<>"},
    CodeEntry{0, 2, 0x1200, "=<"}, CodeEntry{0, 2, 0x1300, ">="}, CodeEntry{0, 2, 0x1400, "!$"},
    CodeEntry{0, 2, 0x1500, "!?"}, End,
};

constexpr std::array conditionRows{
    CodeEntry{0, 1, 0x0000, "Comparison"},
    CodeEntry{1, 0, 0x0100, "Packet Received"},
    CodeEntry{2, 0, 0x1100, "Packet Sent"},
    CodeEntry{3, 3, 0x0800, "Connection Already Exists"},
    CodeEntry{4, 3, 0x1800, "Connection Is New / Unknown"},
    CodeEntry{5, 5, 0x0900, "Key Grp Population In Range"},
    CodeEntry{6, 5, 0x1900, "Key Grp Population Not In Range"},
    End,
};

constexpr std::array actionRows{
    CodeEntry{0, 0, 0x02, "Next Sequence"},
    CodeEntry{0, 0, 0x03, "Next Rule"},
    CodeEntry{0, 1, 0x04, "Goto Sequence..."},
    CodeEntry{0, 1, 0x05, "Goto Rule..."},
    CodeEntry{0, 0, 0x08, "Drop Frame"},
    CodeEntry{0, 0, 0x09, "Forward Frame"},
    CodeEntry{0, 1, 0x10, "Delay Frame..."},
    CodeEntry{0, 1, 0x11, "QoS..."},
    CodeEntry{0, 1, 0x12, "Address Mask..."},
    CodeEntry{0, 1, 0x13, "TOS (IP Only)..."},
    CodeEntry{0, 1, 0x14, "DiffServ (IP Only)..."},
    CodeEntry{0, 1, 0x15, "Priority Queue..."},
    CodeEntry{0, 1, 0x16, "Audit, Then Forward..."},
    CodeEntry{0, 1, 0x17, "Audit, Then Next Rule..."},
    CodeEntry{0, 0, 0x18, "Log, Then Forward"},
    CodeEntry{0, 0, 0x19, "Log, Then Next Rule"},
    End,
};

// "<No Action Selected>" followed by every action row, end row included.
constexpr auto defaultActionRows = [] {
    std::array<CodeEntry, actionRows.size() + 1> rows{};
    rows[0] = CodeEntry{0, 0, 0x00, "<No Action Selected>"};
    for (std::size_t i = 0; i < actionRows.size(); ++i)
        rows[i + 1] = actionRows[i];
    return rows;
}();

constexpr std::array offsetBaseRows{
    CodeEntry{0, 0, 0x00, "RAW"},   CodeEntry{0, 0, 0x10, "D-MAC"}, CodeEntry{0, 0, 0x20, "S-MAC"},
    CodeEntry{0, 0, 0x30, "FRAME"}, CodeEntry{0, 0, 0x40, "FRAGS"}, CodeEntry{0, 0, 0x50, "ECB"},
    CodeEntry{0, 0, 0x60, "MLID"},  CodeEntry{0, 0, 0x70, "END"},   End,
};

constexpr std::array keyTypeRows{
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
    End,
};

constexpr std::array ruleTypeRows{CodeEntry{0, 1, 0, "If"}, End};

constexpr std::array protocolIdRows{
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
    End,
};

constexpr std::array algorithmRows{CodeEntry{0, 0, 1, "Sum of Products"}, End};

} // namespace

std::span<const CodeEntry> OperatorTable() { return operatorRows; }
std::span<const CodeEntry> ConditionTable() { return conditionRows; }
std::span<const CodeEntry> ActionTable() { return actionRows; }
std::span<const CodeEntry> DefaultActionTable() { return defaultActionRows; }
std::span<const CodeEntry> OffsetBaseTable() { return offsetBaseRows; }
std::span<const CodeEntry> KeyTypeTable() { return keyTypeRows; }
std::span<const CodeEntry> RuleTypeTable() { return ruleTypeRows; }
std::span<const CodeEntry> ProtocolIdTable() { return protocolIdRows; }
std::span<const CodeEntry> AlgorithmTable() { return algorithmRows; }

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

} // namespace talvex
