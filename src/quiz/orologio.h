// The clock the engine reads: local time of day in seconds since midnight, single precision.
#pragma once

namespace kestrano {

class Orologio {
public:
    virtual ~Orologio() = default;
    virtual float secondiDaMezzanotte() = 0;
};

// The machine's local clock.
class OrologioDiSistema final : public Orologio {
public:
    float secondiDaMezzanotte() override;
};

}  // namespace kestrano
