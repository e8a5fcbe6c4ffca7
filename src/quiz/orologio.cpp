// Local time of day from the system clock; the steady count from the monotonic clock.
#include "quiz/orologio.h"

#include <chrono>
#include <ctime>

namespace kestrano {

float OrologioDiSistema::secondiDaMezzanotte() {
    using namespace std::chrono;
    const auto adesso = system_clock::now();
    const std::time_t t = system_clock::to_time_t(adesso);
    std::tm locale{};
    localtime_r(&t, &locale);
    const auto frazione = duration_cast<microseconds>(adesso.time_since_epoch()) % seconds(1);
    const double secondi =
        locale.tm_hour * 3600.0 + locale.tm_min * 60.0 + locale.tm_sec + static_cast<double>(frazione.count()) / 1e6;
    return static_cast<float>(secondi);
}

double OrologioDiSistema::secondiStabili() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace kestrano
