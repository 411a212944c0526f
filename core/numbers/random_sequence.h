#pragma once

#include <cstdint>

namespace sredna {

// The program's one uniform sequence of singles in [0, 1). Tests seed it;
// the window seeds it from the clock at start.
class RandomSequence {
public:
    explicit RandomSequence(std::uint64_t seed = 0) : state_(seed) {}

    void Seed(std::uint64_t seed) { state_ = seed; }
    void Randomize();

    // 24 random bits over 2^24: every result is exact in a float and below 1,
    // which library distributions do not all guarantee.
    float Rnd();

private:
    std::uint64_t Next();

    std::uint64_t state_;
};

}  // namespace sredna
