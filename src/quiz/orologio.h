// The clock the engine reads: the local time of day in seconds since midnight (single
// precision), and a steady count of seconds that only ever moves forward at the pace of real
// time. The time of day may jump (midnight, summer time, the clock being set); the steady
// count never does, so an answer's seconds are the difference of two steady readings.
#pragma once

namespace kestrano {

class Orologio {
public:
    virtual ~Orologio() = default;
    virtual float secondiDaMezzanotte() = 0;
    // Seconds from an arbitrary origin fixed for the run; only differences mean anything.
    virtual double secondiStabili() = 0;
};

// The machine's local clock, and its monotonic clock for the steady count.
class OrologioDiSistema final : public Orologio {
public:
    float secondiDaMezzanotte() override;
    double secondiStabili() override;
};

}  // namespace kestrano
