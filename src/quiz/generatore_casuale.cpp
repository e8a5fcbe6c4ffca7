// splitmix64 over the seed's bit pattern; 24 random bits make a float in [0, 1).
#include "quiz/generatore_casuale.h"

#include <bit>

namespace kestrano {

void GeneratoreSplitMix::reinizializza(float seme) {
    stato_ = 0x9E3779B97F4A7C15ull ^ (static_cast<std::uint64_t>(std::bit_cast<std::uint32_t>(seme)) << 17);
}

float GeneratoreSplitMix::prossimo() {
    stato_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = stato_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    // 24 bits are exact in a float, so the largest value is 1 - 2^-24 and never 1.0.
    return static_cast<float>(z >> 40) * 0x1.0p-24f;
}

}  // namespace kestrano
