#pragma once

#include <cstdint>

#include "ports/Clock.h"

namespace quillet::win {

// The system's clock. For the end-to-end tests, QUILLET_TEST_NOW="YYYY-MM-DD HH:MM:SS" read at
// construction moves it to that local moment, from which it runs on; a bad value is ignored.
class Win32Clock final : public Clock {
 public:
  Win32Clock();

  LocalTime Now() const override;
  std::int64_t UtcSeconds() const override;
  ZoneState Zone() const override;

 private:
  std::int64_t shiftSeconds_ = 0;  // added to local and UTC time alike
};

}  // namespace quillet::win
