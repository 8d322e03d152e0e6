#pragma once

#include <optional>

#include "platform/WinApi.h"
#include "time/Gregorian.h"

namespace quillet::win {

// The system's date picker, short date, in dates of the calendar. The owner hears of the user's
// changes only: a date the program sets raises no notification.
class DateEdit {
 public:
  void Take(HWND picker) { picker_ = picker; }
  HWND hwnd() const { return picker_; }

  std::optional<CivilDate> Get() const;
  // False for a date the picker cannot show; it keeps its date then.
  bool Set(const CivilDate& date);

  // For the parent's WM_NOTIFY: true when it is this picker's date changed by the user.
  bool IsUserChange(const NMHDR& header) const;

 private:
  HWND picker_ = nullptr;
  bool setting_ = false;
};

}  // namespace quillet::win
