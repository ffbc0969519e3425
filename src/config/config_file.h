#pragma once
// Moving the image between its defaults, the disk and the engine's run-time
// state. The file is the four tables laid one after the other, each followed
// by a 1024-byte gap that repeats the table's first 1024 bytes; there is no
// header, the generation is told by the length alone.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "config/failure.h"
#include "config/records.h"

namespace talvex {

constexpr const char* DEFAULT_CONFIG_NAME = "TALVEX.CFG";

constexpr std::size_t RULE_BLOCK_SIZE = RULE_COUNT * RECORD_SIZE;   // 16384
constexpr std::size_t QOS_BLOCK_SIZE = QOS_COUNT * RECORD_SIZE;     // 4096
constexpr std::size_t MASK_BLOCK_SIZE = MASK_COUNT * RECORD_SIZE;   // 4096
constexpr std::size_t PRIQ_BLOCK_SIZE = PRIQ_COUNT * RECORD_SIZE;   // 4096
constexpr std::size_t GAP_SIZE = 1024;

constexpr std::size_t QOS_BLOCK_OFFSET = RULE_BLOCK_SIZE + GAP_SIZE;           // 17408
constexpr std::size_t MASK_BLOCK_OFFSET = QOS_BLOCK_OFFSET + QOS_BLOCK_SIZE + GAP_SIZE; // 22528
constexpr std::size_t PRIQ_BLOCK_OFFSET = MASK_BLOCK_OFFSET + MASK_BLOCK_SIZE + GAP_SIZE; // 27648
constexpr std::size_t FULL_FILE_SIZE = PRIQ_BLOCK_OFFSET + PRIQ_BLOCK_SIZE + GAP_SIZE;   // 32768

// The shortest file that loads (one byte of the mask block) and the shortest
// that keeps the priority-queue block.
constexpr std::size_t MIN_LOADABLE_SIZE = MASK_BLOCK_OFFSET + 1;  // 22529
constexpr std::size_t MIN_BETA2_SIZE = PRIQ_BLOCK_OFFSET + 1;     // 27649

// Every byte of the four tables to its reset value.
void ResetTables(ConfigImage& image);
// The tables of a new configuration, as ResetTables leaves them.
const ConfigImage& NewConfiguration();

// Reads the file into the tables over what they hold. Sets both absent flags
// first and clears them as the blocks are found; true when the mask block was
// reached. A read that fails part-way fails the load (the tables keep what
// was read, both flags stay set), and so does a character or block device,
// and a configuration text (IsConfigText), of which nothing is read.
// On false, `failure` (when given) tells why in a few words.
bool LoadConfig(ConfigImage& image, const std::string& fileName = DEFAULT_CONFIG_NAME,
                Failure* failure = nullptr);

// How LoadConfig reads from the opened file: the system's read
// (ReadFromFile), or one that fails on cue.
using FileRead = std::ptrdiff_t (*)(int fd, void* buffer, std::size_t count);
bool LoadConfig(ConfigImage& image, const std::string& fileName, Failure* failure,
                FileRead read);

// The same load over bytes already in memory (a text among them refused).
bool LoadConfigBytes(ConfigImage& image, std::span<const std::uint8_t> bytes,
                     Failure* failure = nullptr);

// Zeroes the engine's run-time fields of the rules and QoS nodes.
void ClearRuntimeFields(ConfigImage& image);

// The bytes SaveConfig writes: rules and QoS always, masks and priority
// queues when their block is present, each followed by its gap.
std::vector<std::uint8_t> ConfigFileBytes(const ConfigImage& image);

// Writes ConfigFileBytes to the file without ever leaving a half-written
// file behind: the bytes go to a new file beside the target, reach the disk,
// and replace the target by a rename. A symbolic link is followed to its
// target and an existing file keeps its permission bits. Where the directory
// refuses a new file but the file itself is writable, the file is rewritten
// in place, after making sure the new content fits. On false the old file
// is untouched and `failure` says why.
bool SaveConfig(const ConfigImage& image, const std::string& fileName = DEFAULT_CONFIG_NAME,
                Failure* failure = nullptr);

} // namespace talvex
