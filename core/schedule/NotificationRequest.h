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

// Seconds from the settings as a timer's milliseconds: any setting must not overflow, and none
// may turn into kStaysOpen, so the result is held to 0 .. INT_MAX.
int DelayMilliseconds(int seconds);

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
