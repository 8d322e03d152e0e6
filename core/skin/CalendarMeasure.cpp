#include "skin/CalendarMeasure.h"

#include "ports/Clock.h"
#include "skin/SkinFile.h"

namespace quillet {

void CalendarMeasure::ConfigureType(const SkinSection& section) { offset_ = section.Int("Offset", 0); }

void CalendarMeasure::Update() {
  const LocalTime now = clock_.Now();
  value_ = 12.0 * now.year + now.month + offset_;
}

std::string CalendarMeasure::Text() const { return std::to_string(static_cast<long long>(value_)); }

}  // namespace quillet
