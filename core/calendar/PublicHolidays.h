#pragma once

#include <string>
#include <vector>

#include "time/Gregorian.h"

namespace quillet {

// One public holiday of Korea: a fixed or lunar holiday, or the substitute day one of them gives.
struct PublicHoliday {
  CivilDate date;
  std::string name;  // program text (CP949), e.g. "설날", "대체공휴일"
  bool substitute = false;
};

// The public holidays of `year` in date order: none before 1949 or outside the lunar table's
// years 1900–2049.
std::vector<PublicHoliday> PublicHolidaysOf(int year);

}  // namespace quillet
