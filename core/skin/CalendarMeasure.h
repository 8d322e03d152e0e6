#pragma once

#include "skin/Measure.h"

namespace quillet {

// The month count 12 × year + month + offset of the local date (January 2009 is 24109).
class CalendarMeasure final : public Measure {
 public:
  CalendarMeasure(std::string name, const Clock& clock) : Measure(std::move(name)), clock_(clock) {}

  void Update() override;
  std::string Text() const override;

 private:
  void ConfigureType(const SkinSection& section) override;

  const Clock& clock_;
  int offset_ = 0;
};

}  // namespace quillet
