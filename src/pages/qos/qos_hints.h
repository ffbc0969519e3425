#pragma once
// The hint topics of the QoS page and the QoS editor. A topic is its title
// line and its paragraphs joined by CR LF CR LF, without a break at the end.

namespace talvex {

#define TALVEX_QOS_BREAK "\r\n\r\n"
// What the editor takes in its rate and seconds boxes, as the hints and a
// refused OK quote it.
#define TALVEX_QOS_RATE_RANGE "1 to 999999967"
#define TALVEX_QOS_SAMPLE_RANGE "0.010001 to 999.9999"

// The QoS list receives the focus.
constexpr const char* QOS_LIST_HINT =
    "Quality of Service ( QoS )" TALVEX_QOS_BREAK
    "This is the list of Quality of Service, a.k.a. QoS, nodes." TALVEX_QOS_BREAK
    "You can Add, Edit, or Delete QoS nodes.  Highlight the desired QoS node and use the "
    "corresponding buttons.  Double clicking on a QoS node will pop up the Edit dialog." TALVEX_QOS_BREAK
    "QoS nodes define the desired data rate for a group of traffic selected through rule "
    "processing.  Several different types of traffic can be directed to a single QoS node - to "
    "be managed as a group." TALVEX_QOS_BREAK
    "QoS nodes can also be used by Address Masks as templates.  In this case, the QoS node is "
    "used when the TSE dynamically creates new QoS nodes to manage traffic for an individual "
    "connection.";

// Editor: the Rate field receives the focus.
constexpr const char* QOS_RATE_HINT =
    "Desired Data Rate" TALVEX_QOS_BREAK
    "The desired data rate, in bytes or in frames per second as chosen with Bytes and Frames." TALVEX_QOS_BREAK
    "The rate is an integer from " TALVEX_QOS_RATE_RANGE ".  In practice it is limited so "
    "that the rate multiplied by the sample period stays below 4000000000." TALVEX_QOS_BREAK
    "Typical values are 1 to 10000 frames per second, or 1000 to 10000000 bytes per second.  "
    "Above 1000000 bytes per second the observed rate may differ from the desired rate by more "
    "than 10 %.";

// Editor: the seconds field receives the focus.
constexpr const char* QOS_SAMPLE_HINT =
    "Sample Period" TALVEX_QOS_BREAK
    "The sample period in seconds, a decimal number from " TALVEX_QOS_SAMPLE_RANGE "."
    TALVEX_QOS_BREAK
    "It sets how often the thresholds are checked and how often the throughput is sampled.  "
    "Longer periods make the thresholds less reactive to bursts of traffic.";

// Editor: the Low field receives the focus.
constexpr const char* QOS_LOW_HINT =
    "Low Threshold" TALVEX_QOS_BREAK
    "Below this actual rate the rate is switched off: the TSE forwards the traffic as if the "
    "QoS node were absent, while it still counts the traffic." TALVEX_QOS_BREAK
    "The same range limits apply as for the data rate.";

// Editor: the High field receives the focus.
constexpr const char* QOS_HIGH_HINT =
    "High Threhsold" TALVEX_QOS_BREAK
    "Above this actual rate the rate is switched on and applied, which allows limited bursts "
    "of traffic." TALVEX_QOS_BREAK
    "Thresholds are evaluated once per sample period; a rate that has been switched on stays "
    "on until the next sample period." TALVEX_QOS_BREAK
    "The same range limits apply as for the data rate.";

// Editor: "Bytes" clicked.
constexpr const char* QOS_BYTES_HINT =
    "Bytes Per Second" TALVEX_QOS_BREAK
    "Rate limiting counts the bytes per second.";

// Editor: "Frames" clicked.
constexpr const char* QOS_FRAMES_HINT =
    "Frames Per Second" TALVEX_QOS_BREAK
    "Rate limiting counts the frames per second.";

// Editor: "Use Absolute Thresholds" clicked.
constexpr const char* QOS_ABSOLUTE_HINT =
    "Absolute Thresholds" TALVEX_QOS_BREAK
    "The thresholds are taken as absolute amounts of traffic instead of instantaneous rates." TALVEX_QOS_BREAK
    "The rate applies only once the High threshold has been reached, and then stays on until "
    "the QoS node is destroyed, for example when the TTL of an address mask expires.";

// Editor: "Fixed Delay" clicked.
constexpr const char* QOS_FIXED_DELAY_HINT =
    "Fixed Delay" TALVEX_QOS_BREAK
    "The TSE imposes a fixed delay derived from the rate instead of enforcing the rate." TALVEX_QOS_BREAK
    "This is rarely useful.  With rates in bytes it can reorder frames.";

// Editor: "Allow Banking " clicked.
constexpr const char* QOS_BANKING_HINT =
    "Bandwidth Banking" TALVEX_QOS_BREAK
    "While the traffic stays below the rate, the unused bandwidth accumulates, and later frames "
    "may spend it, up to 60 minutes of bandwidth at the rate (a limit of the whole TSE)." TALVEX_QOS_BREAK
    "Frames that spend banked bandwidth are delayed much less, which can cause peaks.";

// Editor: "Create Imortal Nodes" clicked.
constexpr const char* QOS_IMMORTAL_HINT =
    "Create Immortal Nodes" TALVEX_QOS_BREAK
    "QoS nodes created from this template never expire, even when the TTL of their address "
    "mask runs out." TALVEX_QOS_BREAK
    "Do not combine this with an address mask that relies on its TTL.";

// Editor: "Enable Thresholds" clicked.
constexpr const char* QOS_THRESHOLDS_HINT = "Enables or disables thresholds.";

#undef TALVEX_QOS_BREAK

} // namespace talvex
