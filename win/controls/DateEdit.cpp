#include "controls/DateEdit.h"

#include <commctrl.h>

namespace quillet::win {

std::optional<CivilDate> DateEdit::Get() const {
  SYSTEMTIME time{};
  if (SendMessageW(picker_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) return std::nullopt;
  return CivilDate{time.wYear, time.wMonth, time.wDay};
}

bool DateEdit::Set(const CivilDate& date) {
  if (date.year < 1753 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > DaysInMonth(date.year, date.month)) {
    return false;
  }
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(date.year);
  time.wMonth = static_cast<WORD>(date.month);
  time.wDay = static_cast<WORD>(date.day);
  setting_ = true;
  const bool set = SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) != FALSE;
  setting_ = false;
  return set;
}

bool DateEdit::IsUserChange(const NMHDR& header) const {
  return header.hwndFrom == picker_ && header.code == DTN_DATETIMECHANGE && !setting_;
}

}  // namespace quillet::win
