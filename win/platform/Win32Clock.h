#pragma once

#include "ports/Clock.h"

namespace quillet::win {

class Win32Clock final : public Clock {
 public:
  LocalTime Now() const override;
  std::int64_t UtcSeconds() const override;
  ZoneState Zone() const override;
};

}  // namespace quillet::win
