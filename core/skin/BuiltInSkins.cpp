#include "skin/BuiltInSkins.h"

#include <cstdio>

namespace quillet {

namespace {

constexpr int kDayNameStrip = 212;
constexpr int kDayDigitStrip = 211;
constexpr int kKnob = 207;
constexpr int kGloss = 208;
constexpr int kCloseStrip = 242;
constexpr int kPostItCloseStrip = 247;

std::string ImageId(int id) {
  char line[32];
  std::snprintf(line, sizeof line, "ImageID=%d\n", id);
  return line;
}

struct Hand {
  const char* name;
  int x, y;
  int width;
  int length;
  const char* startAngle;
  int remainder;
  const char* color;
};

// Each hand twice: a short tail the other way ("01") and the hand itself ("02"); shadows first.
constexpr Hand kHands[] = {
    {"HoursShadow01", 10, 6, 4, 8, "-4.7124", 43200, "0, 0, 0, 55"},
    {"HoursShadow02", 10, 6, 4, 35, "4.7124", 43200, "0, 0, 0, 55"},
    {"Hours01", 8, 4, 4, 8, "-4.7124", 43200, "0, 0, 0, 255"},
    {"Hours02", 8, 4, 4, 35, "4.7124", 43200, "0, 0, 0, 255"},
    {"HoursGrey", 8, 4, 2, 31, "4.7124", 43200, "225, 223, 226, 255"},
    {"HoursBlack", 8, 4, 3, 16, "4.7124", 43200, "0, 0, 0, 255"},
    {"MinutesShadow01", 10, 6, 4, 8, "-4.7124", 3600, "0, 0, 0, 55"},
    {"MinutesShadow02", 10, 6, 4, 46, "4.7124", 3600, "0, 0, 0, 55"},
    {"Minutes01", 8, 4, 4, 8, "-4.7124", 3600, "0, 0, 0, 255"},
    {"Minutes02", 8, 4, 4, 46, "4.7124", 3600, "0, 0, 0, 255"},
    {"MinutesGrey", 8, 4, 2, 42, "4.7124", 3600, "225, 223, 226, 255"},
    {"MinutesBlack", 8, 4, 3, 27, "4.7124", 3600, "0, 0, 0, 255"},
    {"SecondsShadow01", 10, 6, 2, 11, "-4.7124", 60, "0, 0, 0, 55"},
    {"SecondsShadow02", 10, 6, 2, 46, "4.7124", 60, "0, 0, 0, 55"},
    {"DrawTypeSeconds01", 8, 4, 2, 11, "-4.7124", 60, "200, 0, 0, 255"},
    {"DrawTypeSeconds02", 8, 4, 2, 46, "4.7124", 60, "200, 0, 0, 255"},
};

std::string HandSection(const Hand& hand) {
  char text[512];
  std::snprintf(text, sizeof text,
                "[%s]\nDrawType=ROUNDLINE\nMeasureSection=MeasureTime\nX=%d\nY=%d\nW=128\nH=128\nLineWidth=%d\n"
                "LineLength=%d\nStartAngle=%s\nRotationAngle=6.2832\nValueReminder=%d\nLineColor=%s\nAntiAlias=1\n",
                hand.name, hand.x, hand.y, hand.width, hand.length, hand.startAngle, hand.remainder, hand.color);
  return text;
}

std::string ColorLine(int red, int green, int blue) {
  char line[64];
  std::snprintf(line, sizeof line, "FontColor = %d,%d,%d,255\n", red, green, blue);
  return line;
}

std::string SizeLine(int size) { return "FontSize = " + std::to_string(size) + "\n"; }

}  // namespace

const char* const kNoSkinText = "[Background]  \nBackground=IDR_NO_SKIN  \n[RunCommand] \nLButtonDblClk = \"<CHANGE_SKIN>\"";

std::string DefaultClockSkinText() {
  std::string text =
      "[Background]\nBackground=IDR_ANALOG_BACKGROUND\n"
      "[MeasureTime]\nMeasureType=Time\n"
      "[MeasureDay]\nMeasureType=Time\nFormat=\"%#d\n"
      "[DayofWeek]\nDrawType=NUMIMAGE\nMeasureSection=MeasureTime\nX=60\nY=83\nW=10\nH=6\nCipher=1\n"
      "ValueDiv=86400\nValueMax=7\nRevisionVal=4\n";
  text += ImageId(kDayNameStrip);
  text += "[Day]\nDrawType=NUMIMAGE\nMeasureSection=MeasureDay\nX=75\nY=83\nW=5\nH=6\nCipher=2\nValueDiv=1\n"
          "ValueMax=32\n";
  text += ImageId(kDayDigitStrip);
  for (const Hand& hand : kHands) text += HandSection(hand);
  text += "[Knob]\nDrawType=IMAGE\nX=69\nY=64\n";
  text += ImageId(kKnob);
  text += "[DrawTypeGloss]\nDrawType=IMAGE\nX=17\nY=17\n";
  char last[32];
  std::snprintf(last, sizeof last, "ImageID=%d", kGloss);
  return text + last;
}

int NotificationBodySize(std::string_view body) {
  if (body.size() <= 9) return 20;
  if (body.size() <= 19) return 12;
  if (body.size() <= 159) return 10;
  return 8;
}

SkinFile NotificationSkin(const NotificationLook& look) {
  const bool postIt = look.layout == NotificationLayout::PostIt;
  std::string text = "[Title]\nDrawType=STRING\n" + ColorLine(look.titleRed, look.titleGreen, look.titleBlue) +
                     SizeLine(look.titleSize) + "StringStyle = BOLD\nText = -\nX = 20\nY = 11\nW = 220\nH = 20\n";
  text += "[Body]\nDrawType=STRING\n" + ColorLine(look.bodyRed, look.bodyGreen, look.bodyBlue) +
          SizeLine(NotificationBodySize(look.body)) + "ClipString = 1\nStringVAlign = CENTER\nStringAlign = CENTER\n";
  text += postIt ? "X = 120\nY = 33\nW = 210\nH = 125\n" : "X = 125\nY = 33\nW = 220\nH = 90\n";
  text += "Text = -\n[Close]\nDrawType=BUTTON\n";
  text += postIt ? "X=210\nY=15\nW = 10\nH = 10\n" : "X=215\nY=11\nW = 15\nH = 15\n";
  char imageLine[32];
  std::snprintf(imageLine, sizeof imageLine, "ImageID = %d\n", postIt ? kPostItCloseStrip : kCloseStrip);
  text += imageLine;
  text += "Command = Close";

  SkinFile skin;
  skin.LoadFromText(text);
  // Placed after parsing: in the text a line break would end the value and start new keys.
  if (SkinSection* title = skin.FindSection("Title")) title->Set("Text", look.title);
  if (SkinSection* body = skin.FindSection("Body")) body->Set("Text", look.body);
  return skin;
}

}  // namespace quillet
