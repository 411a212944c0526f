#include "core/numbers/random_sequence.h"

#include <chrono>

namespace sredna {

void RandomSequence::Randomize() {
    auto now = std::chrono::system_clock::now().time_since_epoch();
    Seed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

float RandomSequence::Rnd() {
    constexpr float kScale = 1.0F / 16777216.0F;  // 2^-24
    return static_cast<float>(Next() >> 40) * kScale;
}

// splitmix64: small, fast, and good enough for school samples.
std::uint64_t RandomSequence::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace sredna
