#include "config/byte_tests.h"

namespace talvex {

bool AllBytesFF(const std::uint8_t* bytes, int length)
{
    if (bytes == nullptr)
        return true;
    for (int i = 0; i < length; ++i) {
        if (bytes[i] != 0xFF)
            return false;
    }
    return true;
}

bool AllPrintable(const std::uint8_t* bytes, int length)
{
    if (bytes == nullptr)
        return true;
    for (int i = 0; i < length; ++i) {
        if (bytes[i] < 0x20 || bytes[i] > 0x7E)
            return false;
    }
    return true;
}

} // namespace talvex
