#include "fuzz_checks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace talvex::fuzz {

void Expect(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz expectation failed: %s\n", what);
    std::abort();
}

void ExpectSameBytes(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                     std::size_t first, std::size_t last, const char* what)
{
    if (std::memcmp(before.data() + first, after.data() + first, last - first) == 0)
        return;
    for (std::size_t i = first; i < last; ++i) {
        if (before[i] != after[i]) {
            std::fprintf(stderr, "fuzz expectation failed: %s (byte %zu: %02X became %02X)\n",
                         what, i, before[i], after[i]);
            std::abort();
        }
    }
}

} // namespace talvex::fuzz
