#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/code_tables.h"

namespace talvex {
namespace {

struct Row {
    std::uint32_t ordinal;
    std::uint32_t argument;
    std::uint32_t code;
    std::string text;
};

struct TableCase {
    std::string name;
    std::span<const CodeEntry> table;
    std::vector<Row> rows;  // without the end row
};

std::vector<Row> ActionRows()
{
    return {{0, 0, 0x02, "Next Sequence"},
            {0, 0, 0x03, "Next Rule"},
            {0, 1, 0x04, "Goto Sequence..."},
            {0, 1, 0x05, "Goto Rule..."},
            {0, 0, 0x08, "Drop Frame"},
            {0, 0, 0x09, "Forward Frame"},
            {0, 1, 0x10, "Delay Frame..."},
            {0, 1, 0x11, "QoS..."},
            {0, 1, 0x12, "Address Mask..."},
            {0, 1, 0x13, "TOS (IP Only)..."},
            {0, 1, 0x14, "DiffServ (IP Only)..."},
            {0, 1, 0x15, "Priority Queue..."},
            {0, 1, 0x16, "Audit, Then Forward..."},
            {0, 1, 0x17, "Audit, Then Next Rule..."},
            {0, 0, 0x18, "Log, Then Forward"},
            {0, 0, 0x19, "Log, Then Next Rule"}};
}

std::vector<TableCase> AllTables()
{
    std::vector<Row> defaultActions{{0, 0, 0x00, "<No Action Selected>"}};
    for (const Row& r : ActionRows())
        defaultActions.push_back(r);
    return {
        {"Operator",
         OperatorTable(),
         {{0, 2, 0x0000, "=="}, {0, 2, 0x0200, ">"}, {0, 2, 0x0300, "<"}, {0, 2, 0x0400, "$"},
          {0, 2, 0x0500, "?"}, {0, 2, 0x1000, "<>"}, {0, 2, 0x1200, "=<"}, {0, 2, 0x1300, ">="},
          {0, 2, 0x1400, "!$"}, {0, 2, 0x1500, "!?"}}},
        {"Condition",
         ConditionTable(),
         {{0, 1, 0x0000, "Comparison"},
          {1, 0, 0x0100, "Packet Received"},
          {2, 0, 0x1100, "Packet Sent"},
          {3, 3, 0x0800, "Connection Already Exists"},
          {4, 3, 0x1800, "Connection Is New / Unknown"},
          {5, 5, 0x0900, "Key Grp Population In Range"},
          {6, 5, 0x1900, "Key Grp Population Not In Range"}}},
        {"Action", ActionTable(), ActionRows()},
        {"DefaultAction", DefaultActionTable(), defaultActions},
        {"OffsetBase",
         OffsetBaseTable(),
         {{0, 0, 0x00, "RAW"}, {0, 0, 0x10, "D-MAC"}, {0, 0, 0x20, "S-MAC"}, {0, 0, 0x30, "FRAME"},
          {0, 0, 0x40, "FRAGS"}, {0, 0, 0x50, "ECB"}, {0, 0, 0x60, "MLID"}, {0, 0, 0x70, "END"}}},
        {"KeyType",
         KeyTypeTable(),
         {{0, 0, 1, "<Don't Care>"}, {0, 0, 2, "IP Class A net"}, {0, 0, 3, "IP Class B net"},
          {0, 0, 4, "IP Class C net"}, {0, 0, 5, "IP addr"}, {0, 0, 6, "IP port"},
          {0, 0, 7, "IP addr+port"}, {0, 0, 8, "IPX net"}, {0, 0, 9, "IPX node"},
          {0, 0, 10, "IPX socket"}, {0, 0, 11, "IPX net+node"}, {0, 0, 12, "IPX node+port"},
          {0, 0, 13, "IPX net+port"}, {0, 0, 14, "IPX net+node+socket"},
          {0, 0, 15, "MAC address"}}},
        {"RuleType", RuleTypeTable(), {{0, 1, 0, "If"}}},
        {"ProtocolId",
         ProtocolIdTable(),
         {{0, 1, 0x8137, "IPX/SPX Ethernet II / SNAP"},
          {0, 0, 0x0600, "XNS Ethernet II / SNAP"},
          {0, 0, 0x80F3, "AARP Ethernet II / SNAP"},
          {0, 2, 0x809B, "AppleTalk Ethernet II"},
          {0, 2, 0x0806, "ARP Ethernet II / SNAP"},
          {0, 2, 0x8035, "RARP Ethernet II / SNAP"},
          {0, 2, 0x0800, "IP Ethernet II / SNAP"},
          {0, 2, 0x00E0, "IPX/SPX Ethernet 802.2"},
          {0, 2, 0x00FC, "RPL Ethernet 802.2"},
          {0, 2, 0x0004, "SNA Ethernet 802.2"},
          {0, 2, 0x00F0, "NetBIOS Ethernet 802.2"},
          {0, 2, 0x0000, "IPX/SPX Ethernet 802.3"}}},
        {"Algorithm", AlgorithmTable(), {{0, 0, 1, "Sum of Products"}}},
    };
}

TEST(CodeTables, HoldEveryRowInOrderAndEndWithTheEndRow)
{
    for (const TableCase& t : AllTables()) {
        SCOPED_TRACE(t.name);
        ASSERT_EQ(t.table.size(), t.rows.size() + 1);
        for (std::size_t i = 0; i < t.rows.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(t.table[i].ordinal, t.rows[i].ordinal);
            EXPECT_EQ(t.table[i].argument, t.rows[i].argument);
            EXPECT_EQ(t.table[i].code, t.rows[i].code);
            EXPECT_EQ(t.table[i].text, t.rows[i].text);
        }
        EXPECT_EQ(t.table.back().code, CODE_TABLE_END);
        EXPECT_EQ(t.table.back().text, "{End}");
    }
}

TEST(CodeTables, EveryRowIsFoundByItsCode)
{
    for (const TableCase& t : AllTables()) {
        SCOPED_TRACE(t.name);
        for (std::size_t i = 0; i + 1 < t.table.size(); ++i) {
            EXPECT_EQ(LookupCodeEntry(t.table, t.table[i].code), &t.table[i]);
            EXPECT_EQ(LookupCodeText(t.table, t.table[i].code), t.table[i].text);
        }
    }
}

TEST(LookupCodeText, GivesNothingForCodesWithoutARow)
{
    EXPECT_EQ(LookupCodeText(ActionTable(), 0x00), std::nullopt);
    EXPECT_EQ(LookupCodeText(ActionTable(), 0x19), "Log, Then Next Rule");
    EXPECT_EQ(LookupCodeText(OperatorTable(), 0x1F00), std::nullopt);
    EXPECT_EQ(LookupCodeText(OperatorTable(), 0x1500), "!?");
    EXPECT_EQ(LookupCodeText(DefaultActionTable(), 0x00), "<No Action Selected>");
    EXPECT_EQ(LookupCodeEntry(OffsetBaseTable(), 0xFFFF), nullptr);
    EXPECT_EQ(LookupCodeEntry(OffsetBaseTable(), 0x0F), nullptr);
}

TEST(LookupCodeEntry, ExaminesAtMostTwentyRows)
{
    std::vector<CodeEntry> rows;
    for (std::uint32_t i = 0; i < 25; ++i)
        rows.push_back(CodeEntry{0, 0, i, "row"});
    rows.push_back(CodeEntry{0, 0, CODE_TABLE_END, "{End}"});
    EXPECT_EQ(LookupCodeEntry(rows, 19), &rows[19]);
    EXPECT_EQ(LookupCodeEntry(rows, 20), nullptr);
    EXPECT_EQ(LookupCodeText(rows, 24), std::nullopt);
}

TEST(LookupCodeEntry, StopsAtTheEndRowEvenWhenRowsFollow)
{
    const CodeEntry rows[] = {{0, 0, 1, "one"}, {0, 0, CODE_TABLE_END, "{End}"}, {0, 0, 2, "two"}};
    EXPECT_EQ(LookupCodeEntry(rows, 2), nullptr);
    EXPECT_EQ(LookupCodeEntry(std::span<const CodeEntry>{}, 1), nullptr);
}

} // namespace
} // namespace talvex
