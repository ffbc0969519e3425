#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

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
        const std::uint32_t state = state_;
        state_ = steps.multiplier[N - 1] * state + steps.increment[N - 1];
        return [state]<std::size_t... K>(std::index_sequence<K...>) {
            return std::array<std::uint32_t, N>{DrawOf(steps.multiplier[K] * state + steps.increment[K])...};
        }(std::make_index_sequence<N>());
    }

    // Moves the generator on by `draws` draws without making them, as
    // state = a^n * state + c_n, with a^n and c_n built by squaring.
    void Skip(std::uint64_t draws)
    {
        std::uint32_t stepMultiplier = kMultiplier;
        std::uint32_t stepIncrement = kIncrement;
        while (draws != 0) {
            if ((draws & 1) != 0) {
                state_ = state_ * stepMultiplier + stepIncrement;
            }
            stepIncrement = stepIncrement * stepMultiplier + stepIncrement;
            stepMultiplier = stepMultiplier * stepMultiplier;
            draws >>= 1;
        }
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
