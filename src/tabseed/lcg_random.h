#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tabseed {

// The generator every entry is drawn from: a 32-bit linear congruential
// sequence, state = state * 1103515245 + 12345, whose draws are the bits 16
// to 30 of the state (0 to 32767). The same seed always gives the same
// output.
class LcgRandom {
public:
    static constexpr std::uint32_t kMultiplier = 1103515245u;
    static constexpr std::uint32_t kIncrement = 12345u;

    explicit LcgRandom(std::uint32_t seed) : state_(seed) {}

    std::uint32_t Draw()
    {
        state_ = state_ * kMultiplier + kIncrement;
        return DrawOf(state_);
    }

    // The next N draws at once, the same as N calls of Draw(). Each state is
    // computed straight from the current one (state_k = a_k * state + c_k),
    // so the draws do not wait on each other.
    template <std::size_t N>
    std::array<std::uint32_t, N> DrawMany()
    {
        static constexpr Steps<N> steps = MakeSteps<N>();
        std::array<std::uint32_t, N> draws;
        for (std::size_t k = 0; k < N; ++k) {
            draws[k] = DrawOf(steps.multiplier[k] * state_ + steps.increment[k]);
        }
        state_ = steps.multiplier[N - 1] * state_ + steps.increment[N - 1];
        return draws;
    }

private:
    template <std::size_t N>
    struct Steps {
        std::array<std::uint32_t, N> multiplier{};
        std::array<std::uint32_t, N> increment{};
    };

    template <std::size_t N>
    static constexpr Steps<N> MakeSteps()
    {
        Steps<N> steps;
        std::uint32_t a = 1;
        std::uint32_t c = 0;
        for (std::size_t k = 0; k < N; ++k) {
            a = a * kMultiplier;
            c = c * kMultiplier + kIncrement;
            steps.multiplier[k] = a;
            steps.increment[k] = c;
        }
        return steps;
    }

    static std::uint32_t DrawOf(std::uint32_t state) { return (state >> 16) & 0x7FFFu; }

    std::uint32_t state_;
};

} // namespace tabseed
