#include <ctime>

#include "HostClock.h"

namespace {

class PosixClock final : public quillet::Clock {
 public:
  quillet::LocalTime Now() const override {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return quillet::LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                              local.tm_sec,         0,                 local.tm_wday};
  }
  std::int64_t UtcSeconds() const override { return static_cast<std::int64_t>(std::time(nullptr)); }
  quillet::ZoneState Zone() const override {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // POSIX zones do not name the daylight shift; one hour is what every zone that has one uses.
    return quillet::ZoneState{static_cast<int>(local.tm_gmtoff), local.tm_isdst > 0, local.tm_isdst > 0 ? -60 : 0};
  }
};

}  // namespace

std::unique_ptr<quillet::Clock> MakeHostClock() { return std::make_unique<PosixClock>(); }
