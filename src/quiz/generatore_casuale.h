// The random generator the engine draws from: re-seeded from a number before every draw,
// then yielding uniform values in [0, 1).
#pragma once

#include <cstdint>

namespace kestrano {

class GeneratoreCasuale {
public:
    virtual ~GeneratoreCasuale() = default;
    virtual void reinizializza(float seme) = 0;
    virtual float prossimo() = 0;  // in [0, 1), never 1.0
};

// splitmix64: a 64-bit counter stepped by the golden ratio and mixed by two multiply-xorshift
// rounds. The seed is the full bit pattern of the float, so two clock readings that differ in
// their last bit give different sequences.
class GeneratoreSplitMix final : public GeneratoreCasuale {
public:
    void reinizializza(float seme) override;
    float prossimo() override;

private:
    std::uint64_t stato_ = 0x9E3779B97F4A7C15ull;
};

}  // namespace kestrano
