#pragma once
// Fixed-width integers stored least significant byte first, whatever the host.
// They have alignment 1, so records built from them have no padding and can be
// copied to and from the file byte for byte.
#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace talvex {

template <typename T>
class LittleEndian {
    static_assert(std::is_integral_v<T>);
    using Unsigned = std::make_unsigned_t<T>;

public:
    constexpr T get() const
    {
        Unsigned v = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            v = static_cast<Unsigned>(v | (static_cast<Unsigned>(bytes_[i]) << (8 * i)));
        return static_cast<T>(v);
    }
    constexpr void set(T value)
    {
        const auto v = static_cast<Unsigned>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bytes_[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    constexpr operator T() const { return get(); }
    constexpr LittleEndian& operator=(T value)
    {
        set(value);
        return *this;
    }

private:
    std::array<std::uint8_t, sizeof(T)> bytes_{};
};

using LeU16 = LittleEndian<std::uint16_t>;
using LeI16 = LittleEndian<std::int16_t>;
using LeU32 = LittleEndian<std::uint32_t>;
using LeI32 = LittleEndian<std::int32_t>;

template <std::size_t N>
using Bytes = std::array<std::uint8_t, N>;

} // namespace talvex
