#include "skin/Measure.h"

#include <algorithm>

#include "skin/CalendarMeasure.h"
#include "skin/SkinFile.h"
#include "skin/TimeMeasure.h"
#include "skin/SkinWords.h"

namespace quillet {

void Measure::Configure(const SkinSection& section) {
  invert_ = section.Bool("InvertMeasure", false);
  minimum_ = section.Real("MinValue", 0.0f);
  maximum_ = section.Real("MaxValue", 1.0f);
  ConfigureType(section);
}

double Measure::Number() const { return invert_ ? maximum_ - value_ + minimum_ : value_; }

double Measure::Relative() const {
  if (!(maximum_ > minimum_)) return 0;
  const double number = std::clamp(Number(), minimum_, maximum_);
  return (number - minimum_) / (maximum_ - minimum_);
}

std::unique_ptr<Measure> MakeMeasure(std::string_view type, std::string name, const Clock& clock) {
  if (EqualsIgnoringCase(type, "Time")) return std::make_unique<TimeMeasure>(std::move(name), clock);
  if (EqualsIgnoringCase(type, "Calendar")) return std::make_unique<CalendarMeasure>(std::move(name), clock);
  return nullptr;
}

}  // namespace quillet
