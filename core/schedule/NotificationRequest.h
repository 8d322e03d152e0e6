#pragma once

#include <string>

#include "schedule/ScheduleRecord.h"

namespace quillet {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb& a, const Rgb& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  }
};

constexpr int kStaysOpen = -1;

// Whether a style shows a window at all ("알리지 않음" and unknown values do not).
bool ShowsNotification(AlertStyle style);

// What a notification window is asked to show, for a schedule or an anniversary.
struct NotificationRequest {
  AlertStyle style = AlertStyle::Slide;
  int autoCloseMilliseconds = kStaysOpen;
  std::string title;
  std::string body;
  Rgb titleColor;
  Rgb bodyColor;
};

}  // namespace quillet
