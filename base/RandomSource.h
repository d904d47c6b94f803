#pragma once

#include <cstdint>

namespace burgeon {

// The pseudo-random source of the system: a 32-bit linear congruential generator whose
// uniformInt(n) gives a whole number in 0..n-1. Cheap to reseed, so the wind can reseed it
// at every node; seedable, so tests and the command line can fix it.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed = 0) : state_(seed) {}

    void seed(std::uint32_t seed) { state_ = seed; }
    std::uint32_t state() const { return state_; }

    // Uniform in 0..n-1; 0 when n <= 0.
    int uniformInt(int n) {
        state_ = state_ * 134775813u + 1u;
        if (n <= 0) {
            return 0;
        }
        return static_cast<int>(
            (static_cast<std::uint64_t>(state_) * static_cast<std::uint32_t>(n)) >> 32);
    }

private:
    std::uint32_t state_;
};

} // namespace burgeon
