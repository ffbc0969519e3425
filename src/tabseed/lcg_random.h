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
    static constexpr std::uint32_t MULTIPLIER = 1103515245u;
    static constexpr std::uint32_t INCREMENT = 12345u;

    explicit LcgRandom(std::uint32_t seed) : state_(seed) {}

    std::uint32_t draw()
    {
        state_ = state_ * MULTIPLIER + INCREMENT;
        return drawOf(state_);
    }

    // The next N draws at once, the same as N calls of draw(). Each state is
    // computed straight from the current one (state_k = a_k * state + c_k),
    // so the draws do not wait on each other.
    template <std::size_t N>
    std::array<std::uint32_t, N> drawMany()
    {
        static constexpr Steps<N> STEPS = makeSteps<N>();
        const std::uint32_t state = state_;
        state_ = STEPS.multiplier[N - 1] * state + STEPS.increment[N - 1];
        return [state]<std::size_t... K>(std::index_sequence<K...>) {
            return std::array<std::uint32_t, N>{
                drawOf(STEPS.multiplier[K] * state + STEPS.increment[K])...};
        }(std::make_index_sequence<N>());
    }

    // Moves the generator on by `draws` draws without making them, as
    // state = a^n * state + c_n, with a^n and c_n built by squaring.
    void skip(std::uint64_t draws)
    {
        std::uint32_t stepMultiplier = MULTIPLIER;
        std::uint32_t stepIncrement = INCREMENT;
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
    static constexpr Steps<N> makeSteps()
    {
        Steps<N> steps;
        std::uint32_t a = 1;
        std::uint32_t c = 0;
        for (std::size_t k = 0; k < N; ++k) {
            a = a * MULTIPLIER;
            c = c * MULTIPLIER + INCREMENT;
            steps.multiplier[k] = a;
            steps.increment[k] = c;
        }
        return steps;
    }

    static std::uint32_t drawOf(std::uint32_t state) { return (state >> 16) & 0x7FFFu; }

    std::uint32_t state_;
};

} // namespace tabseed
