#pragma once

#include <string>
#include <string_view>

#include "skin/SkinFile.h"

namespace quillet {

// The placeholder of a widget without a skin; its background is PNG resource kNoSkinBackground.
extern const char* const kNoSkinText;
constexpr int kNoSkinBackground = 239;

// The analog clock drawn when no clock skin is set or it fails to load; background kClockBackground.
std::string DefaultClockSkinText();
constexpr int kClockBackground = 205;

enum class NotificationLayout { Standard, PostIt };
constexpr int kNotificationBackground = 250;
constexpr int kNoteNotificationBackground = 251;

struct NotificationLook {
  NotificationLayout layout = NotificationLayout::Standard;
  std::string title;
  int titleRed = 0, titleGreen = 0, titleBlue = 0;
  int titleSize = 10;
  std::string body;
  int bodyRed = 0, bodyGreen = 0, bodyBlue = 0;
};

// The body's font size by its length in bytes: 20 up to 9 bytes, 12 up to 19, 10 up to 159, else 8.
int NotificationBodySize(std::string_view body);

// The skin of a notification window. The title and the body are set into their sections after
// the text is parsed, so that a message keeps all its lines.
SkinFile NotificationSkin(const NotificationLook& look);

}  // namespace quillet
