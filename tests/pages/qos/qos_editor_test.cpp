#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <optional>
#include <string>

#include "pages/qos/qos_editor.h"

namespace talvex {
namespace {

QosNode EmptyNode()
{
    QosNode node{};
    node.samplePeriod = 1000000;
    return node;
}

// A used node with every engine byte set, so stray writes show.
QosNode BusyNode(std::uint16_t flags)
{
    QosNode node;
    auto bytes = RecordBytes(node);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(0xA0 + i);
    node.flags = flags;
    node.rateInterval = 1000;
    node.samplePeriod = 1000000;
    node.lowThreshold = 0;
    node.highThreshold = 0;
    return node;
}

bool SameBytes(const QosNode& a, const QosNode& b)
{
    return std::memcmp(&a, &b, sizeof(QosNode)) == 0;
}

// Opens the editor on the node, lets `edit` change the fields and presses OK.
template <typename Edit>
bool OpenEditAccept(QosNode& node, Edit edit, FieldRefusal* refusal = nullptr)
{
    WriteQosEditorDefaults(node);
    const QosEditorFields opening = DecodeQosEditor(node, 0);
    QosEditorFields fields = opening;
    edit(fields);
    return AcceptQosEditor(opening, fields, node, refusal);
}

TEST(QosEditorOpen, EmptyEntryGetsDefaultsAndShowsThem)
{
    QosTable table{};
    QosNode& node = table[17];
    node = EmptyNode();
    node.samplePeriod = 0;
    const QosNode before = node;
    QosEditorSession session(table, 17);
    EXPECT_EQ(node.flags, 0x0011);
    EXPECT_EQ(node.rateInterval, 1000u);
    EXPECT_EQ(node.samplePeriod, 1000000u);

    const QosEditorFields fields = DecodeQosEditor(node, 17);
    EXPECT_EQ(fields.entry, "17");
    EXPECT_EQ(fields.rate, "1000000");
    EXPECT_EQ(fields.seconds, "1.000000");
    EXPECT_EQ(fields.low, "0");
    EXPECT_EQ(fields.high, "0");
    EXPECT_TRUE(fields.frames);
    EXPECT_TRUE(fields.immortal);
    EXPECT_FALSE(fields.bytes || fields.thresholds || fields.absolute || fields.fixedDelay
                 || fields.banking);

    session.cancel();
    EXPECT_TRUE(SameBytes(node, before));
    EXPECT_EQ(node.flags, 0);
}

TEST(QosEditorOpen, ExistingValuesAreKeptAndShownInOperatorUnits)
{
    QosNode node = BusyNode(QOS_BY_BYTES | QOS_THRESHOLDS | QOS_ABSOLUTE | QOS_BANKING
                            | QOS_FIXED_DELAY);
    node.rateInterval = 333333333;
    node.samplePeriod = 699999;
    node.lowThreshold = 6;
    node.highThreshold = 699999;
    const QosNode before = node;
    WriteQosEditorDefaults(node);
    EXPECT_TRUE(SameBytes(node, before));

    const QosEditorFields fields = DecodeQosEditor(node, 5);
    EXPECT_EQ(fields.rate, "3");
    EXPECT_EQ(fields.seconds, "0.699999");
    EXPECT_EQ(fields.low, "9");       // 6 / 0.69999897...
    EXPECT_EQ(fields.high, "1000000");
    EXPECT_TRUE(fields.bytes && fields.thresholds && fields.absolute && fields.banking
                && fields.fixedDelay);
    EXPECT_FALSE(fields.frames || fields.immortal);
}

TEST(QosEditorAccept, SecondsAreReadInSinglePrecisionAndTruncated)
{
    struct Case {
        const char* seconds;
        std::optional<std::uint32_t> samplePeriod;
    };
    const Case cases[] = {
        {"0.01", std::nullopt},       // 9999 microseconds
        {"0.0100009", std::nullopt},  // 10000
        {"0.010001", 10001u},         // the hint's range, as is 999.9999
        {"1.0", 1000000u},
        {"0.7", 699999u},             // not 700000: the float is just below 0.7
        {"999.9999", 999999877u},
        {"1000", std::nullopt},
        {"4096", std::nullopt},
        {"-1", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"2.5 s", 2500000u},          // text after the number is ignored
        {"1e2", 100000000u},
    };
    for (const Case& c : cases) {
        QosNode node = EmptyNode();
        const bool accepted =
            OpenEditAccept(node, [&](QosEditorFields& f) { f.seconds = c.seconds; });
        EXPECT_EQ(accepted, c.samplePeriod.has_value()) << c.seconds;
        if (c.samplePeriod) {
            EXPECT_EQ(node.samplePeriod, *c.samplePeriod) << c.seconds;
        }
    }
}

TEST(QosEditorAccept, RateMustLieStrictlyBetweenZeroAndOneBillionInSinglePrecision)
{
    struct Case {
        const char* rate;
        std::optional<std::uint32_t> rateInterval;
    };
    const Case cases[] = {
        {"0", std::nullopt},
        {"-5", std::nullopt},
        {"", std::nullopt},
        {"999999999", std::nullopt},  // rounds to 1000000000 as a float
        {"1000000000", std::nullopt},
        {"999999936", 1u},            // the largest float below 1000000000
        {"999999967", 1u},            // the hint's largest rate
        {"999999968", std::nullopt},  // rounds to 1000000000
        {"3", 333333333u},
        {"1000", 1000000u},
        {"1", 1000000000u},
        {"1000000", 1000u},
        {"12abc", 83333333u},
    };
    for (const Case& c : cases) {
        QosNode node = EmptyNode();
        const bool accepted = OpenEditAccept(node, [&](QosEditorFields& f) { f.rate = c.rate; });
        EXPECT_EQ(accepted, c.rateInterval.has_value()) << c.rate;
        if (c.rateInterval) {
            EXPECT_EQ(node.rateInterval, *c.rateInterval) << c.rate;
        }
    }
}

TEST(QosEditorAccept, ThresholdsScaleWithTheTypedSeconds)
{
    struct Case {
        const char* seconds;
        const char* low;
        const char* high;
        std::uint32_t lowThreshold;
        std::uint32_t highThreshold;
    };
    const Case cases[] = {
        {"0.7", "10", "1000", 6u, 699u},  // 0.69999998807907... not the stored 0.699999
        {"1.0", "10", "1000", 10u, 1000u},
        {"0.3", "7", "7", 2u, 2u},  // 2.1000001 truncated
    };
    for (const Case& c : cases) {
        QosNode node = EmptyNode();
        ASSERT_TRUE(OpenEditAccept(node, [&](QosEditorFields& f) {
            f.seconds = c.seconds;
            f.low = c.low;
            f.high = c.high;
        })) << c.seconds;
        EXPECT_EQ(node.lowThreshold, c.lowThreshold) << c.seconds;
        EXPECT_EQ(node.highThreshold, c.highThreshold) << c.seconds;
    }
}

TEST(QosEditorAccept, ThresholdsThatDoNotFitThirtyTwoBitsAreRefused)
{
    struct Case {
        const char* seconds;
        const char* low;
        const char* high;
        bool accepted;
    };
    const Case cases[] = {
        // 10000000 per second over 500 s would store 705032704 if cut to 32 bits.
        {"500", "10000000", "0", false},
        {"500", "0", "10000000", false},
        {"1", "4294967295", "4294967295", true},
        {"500", "8589934", "0", true},  // the largest Low a refusal at 500 s names
        {"500", "8589935", "0", false},
        {"1.5", "4294967295", "0", false},
        {"0.5", "4294967295", "0", true},  // 2147483647.5 fits
        {"1", "4294967296", "0", false},   // "%u" alone would read 0
        {"0.5", "5000000000", "0", false},
        {"1", "", "0", false},
        {"1", "0", "x", false},
    };
    for (const Case& c : cases) {
        QosNode node = BusyNode(QOS_BY_FRAMES);
        const QosNode before = node;
        const bool accepted = OpenEditAccept(node, [&](QosEditorFields& f) {
            f.seconds = c.seconds;
            f.low = c.low;
            f.high = c.high;
        });
        EXPECT_EQ(accepted, c.accepted) << c.seconds << " " << c.low << " " << c.high;
        if (!accepted) {
            EXPECT_TRUE(SameBytes(node, before)) << "refused input changed the node";
        }
    }
}

TEST(QosEditorAccept, RefusalNamesTheFirstInvalidFieldAndWhatItTakes)
{
    using F = QosEditorFields;
    const char* const SECONDS_REASON =
        "Seconds Per Sample: type a number of seconds from 0.010001 to 999.9999";
    struct Case {
        QosEditorFields fields;  // rate, seconds, low and high typed; every box clear
        std::size_t field;       // the FieldOffset the refusal names
        const char* reason;
    };
    const Case cases[] = {
        {{"", "10", "2000", "0", "0"}, FieldOffset(&F::seconds), SECONDS_REASON},
        {{"", "10", "1", "x", "0"}, FieldOffset(&F::low),
         "Low: type a whole number from 0 to 4294967295"},
        {{"", "10", "500", "0", "8589935"}, FieldOffset(&F::high),
         "High: type a whole number from 0 to 8589934 at this sample period"},
        // Several invalid fields: the first the keyboard reaches is named.
        {{"", "10", "1000", "", ""}, FieldOffset(&F::seconds), SECONDS_REASON},
        {{"", "0", "0", "0", "0"}, FieldOffset(&F::rate),
         "Per Second: type a whole number from 1 to 999999967"},
    };
    for (const Case& c : cases) {
        QosNode node = BusyNode(QOS_BY_FRAMES);
        FieldRefusal refusal;
        EXPECT_FALSE(OpenEditAccept(node, [&](F& f) { f = c.fields; }, &refusal));
        EXPECT_EQ(std::pair(refusal.field, refusal.reason),
                  std::pair(c.field, std::string(c.reason)));
    }
}

TEST(QosEditorAccept, ThresholdsAreCheckedEvenWhenDisabled)
{
    QosNode node = EmptyNode();
    EXPECT_FALSE(OpenEditAccept(node, [](QosEditorFields& f) {
        f.thresholds = false;
        f.low = "";
    }));
}

TEST(QosEditorAccept, OnlyTheSevenOwnedFlagBitsChange)
{
    struct Case {
        std::uint16_t before;
        void (*edit)(QosEditorFields&);
        std::uint16_t after;
    };
    const Case cases[] = {
        {0x0013, [](QosEditorFields&) {}, 0x0013},  // bit 0x0002 kept
        {0x0001, [](QosEditorFields&) {}, 0x0001},  // neither Bytes nor Frames: stays so
        {0x0018, [](QosEditorFields&) {}, 0x0018},  // both: stays so
        {0x0020, [](QosEditorFields& f) { f.thresholds = false; }, 0x0000},
        {0xFE82, [](QosEditorFields& f) {
             f.bytes = f.frames = f.thresholds = f.absolute = f.fixedDelay = f.banking =
                 f.immortal = true;
         }, 0xFFFF},
        {0xFFFF, [](QosEditorFields& f) {
             f.bytes = f.frames = f.thresholds = f.absolute = f.fixedDelay = f.banking =
                 f.immortal = false;
         }, 0xFE82},
    };
    for (const Case& c : cases) {
        QosNode node = BusyNode(c.before);
        ASSERT_TRUE(OpenEditAccept(node, c.edit)) << std::hex << c.before;
        EXPECT_EQ(node.flags, c.after) << std::hex << c.before;
    }
}

TEST(QosEditorAccept, ThresholdsOnlyEntryClearedBecomesEmptyButKeepsItsNewValues)
{
    QosNode node = BusyNode(QOS_THRESHOLDS);
    ASSERT_TRUE(OpenEditAccept(node, [](QosEditorFields& f) {
        f.thresholds = false;
        f.rate = "250";
        f.seconds = "2";
        f.low = "5";
        f.high = "8";
    }));
    EXPECT_EQ(node.flags, 0);
    EXPECT_FALSE(node.isUsed());
    EXPECT_EQ(node.rateInterval, 4000000u);
    EXPECT_EQ(node.samplePeriod, 2000000u);
    EXPECT_EQ(node.lowThreshold, 10u);
    EXPECT_EQ(node.highThreshold, 16u);
}

TEST(QosEditorAccept, OnlyTheEditedFieldsOfTheRecordChange)
{
    QosNode node = BusyNode(QOS_BY_FRAMES);
    const QosNode before = node;
    ASSERT_TRUE(OpenEditAccept(node, [](QosEditorFields& f) { f.rate = "10"; }));
    EXPECT_EQ(node.rateInterval, 100000000u);
    const auto now = RecordBytes(node);
    const auto was = RecordBytes(before);
    for (std::size_t i = 0; i < 64; ++i) {
        const bool editorField = (i >= 12 && i < 14) || (i >= 36 && i < 52);
        if (!editorField) {
            EXPECT_EQ(now[i], was[i]) << "byte " << i;
        }
    }
}

TEST(QosEditorAccept, UntouchedValuesKeepTheirBytes)
{
    struct Values {
        std::uint32_t rateInterval, samplePeriod, low, high;
    };
    struct Case {
        Values stored;
        const char* seconds;  // typed, or nothing typed at all
        std::optional<Values> after;
    };
    const Case cases[] = {
        // Shown as Rate 3, 0.699999 s and Low 10, which read back as
        // 333333333, 699998 and 6.
        {{333333334, 699999, 7, 699999}, nullptr, Values{333333334, 699999, 7, 699999}},
        {{2100000000, 1000000, 0, 0}, nullptr, Values{2100000000, 1000000, 0, 0}},  // Rate "0"
        {{1000, 5, 4000000000, 1}, nullptr, Values{1000, 5, 4000000000, 1}},
        // New seconds: Low and High are encoded again from their texts.
        {{1000, 699999, 7, 699999}, "1", Values{1000, 1000000, 10, 1000000}},
        // Low shows 8000000000, kept untouched but refused once it is read.
        {{1000, 500000, 4000000000, 0}, nullptr, Values{1000, 500000, 4000000000, 0}},
        {{1000, 500000, 4000000000, 0}, "0.6", std::nullopt},
    };
    for (const Case& c : cases) {
        QosNode node = BusyNode(QOS_BY_BYTES | QOS_THRESHOLDS);
        node.rateInterval = c.stored.rateInterval;
        node.samplePeriod = c.stored.samplePeriod;
        node.lowThreshold = c.stored.low;
        node.highThreshold = c.stored.high;
        QosNode expected = node;
        if (c.after) {
            expected.rateInterval = c.after->rateInterval;
            expected.samplePeriod = c.after->samplePeriod;
            expected.lowThreshold = c.after->low;
            expected.highThreshold = c.after->high;
        }
        const bool accepted = OpenEditAccept(node, [&](QosEditorFields& f) {
            if (c.seconds != nullptr)
                f.seconds = c.seconds;
        });
        EXPECT_EQ(accepted, c.after.has_value()) << c.stored.samplePeriod;
        EXPECT_TRUE(SameBytes(node, expected)) << c.stored.samplePeriod;
    }
}

TEST(QosEditorOpen, SecondsAreTheProductRoundedOnceToSinglePrecision)
{
    struct Case {
        std::uint32_t samplePeriod, highThreshold;
        const char* high;
    };
    // Rounded to double first, the first two would show 3518377 and 830769.
    const Case cases[] = {{1220723819, 4294967295u, "3518378"},
                          {3611114389u, 3000000000u, "830768"},
                          {699999, 699999, "1000000"}};
    for (const Case& c : cases) {
        QosNode node = BusyNode(QOS_BY_FRAMES);
        node.samplePeriod = c.samplePeriod;
        node.highThreshold = c.highThreshold;
        EXPECT_EQ(DecodeQosEditor(node, 0).high, c.high) << c.samplePeriod;
    }
}

TEST(QosEditorConversions, DoNotDependOnTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.utf8") == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    QosNode node = EmptyNode();
    const bool accepted = OpenEditAccept(node, [](QosEditorFields& f) {
        f.seconds = "0.7";
        f.low = "10";
    });
    WriteQosEditorDefaults(node);
    const std::string shown = DecodeQosEditor(node, 0).seconds;
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_TRUE(accepted);
    EXPECT_EQ(node.samplePeriod, 699999u);
    EXPECT_EQ(node.lowThreshold, 6u);
    EXPECT_EQ(shown, "0.699999");
}

} // namespace
} // namespace talvex
