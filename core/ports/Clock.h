#pragma once

#include "ports/LocalTime.h"

namespace quillet {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
};

}  // namespace quillet
