#include "skin/SkinWindowRules.h"

#include <cstdlib>

#include "geometry/Saturate.h"

namespace quillet {

namespace {

constexpr unsigned kFirstTransparencyCommand = 32844;
constexpr unsigned kTransparencySteps = 10;

// The screen edge a skin window keeps to, and how near counts as docked there.
constexpr long long kEdgeMargin = 2;
constexpr long long kDockedWithin = 2;

// One axis of the fit: start and length of the window, `current` its present far edge.
long long FitAxis(long long start, long long length, long long currentEnd, long long screen) {
  const long long edge = screen - kEdgeMargin;
  if (std::llabs(currentEnd - edge) <= kDockedWithin) start = edge - kEdgeMargin - length;
  if (start < 0) start = 0;
  if (start + length > edge) start = edge - length;
  return start;
}

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Calls `line(text)` for each line and `lineBreak()` after each line that had one.
template <typename Line, typename Break>
void SplitLines(std::string_view text, Line line, Break lineBreak) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    line(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lineBreak();
    start = i + 1;
  }
  line(text.substr(start));
}

}  // namespace

Rect FitSkinWindow(const Rect& current, const Rect& proposed, Size screen, int monitorCount) {
  if (monitorCount > 1) return proposed;
  const long long width = static_cast<long long>(proposed.right) - proposed.left;
  const long long height = static_cast<long long>(proposed.bottom) - proposed.top;
  const long long left = FitAxis(proposed.left, width, current.right, screen.width);
  const long long top = FitAxis(proposed.top, height, current.bottom, screen.height);
  return Rect{Saturate(left), Saturate(top), Saturate(left + width), Saturate(top + height)};
}

std::optional<int> TransparencyAlpha(unsigned command) {
  if (command < kFirstTransparencyCommand || command >= kFirstTransparencyCommand + kTransparencySteps) {
    return std::nullopt;
  }
  // (step × 25.5) rounded half up.
  const int step = static_cast<int>(command - kFirstTransparencyCommand + 1);
  return (step * 255 + 5) / 10;
}

unsigned TransparencyCommand(int alpha) {
  unsigned best = kFirstTransparencyCommand;
  long long bestDistance = -1;
  for (unsigned command = kFirstTransparencyCommand; command < kFirstTransparencyCommand + kTransparencySteps; ++command) {
    const long long distance = std::llabs(static_cast<long long>(alpha) - *TransparencyAlpha(command));
    if (bestDistance < 0 || distance <= bestDistance) {
      best = command;
      bestDistance = distance;
    }
  }
  return best;
}

std::string UpperCaseSkinCommand(std::string_view command) {
  std::string upper(command);
  for (std::size_t i = 0; i < upper.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(upper[i]);
    if (IsLeadByte(c)) {
      ++i;  // its trail byte may look like a lower-case letter
    } else if (c >= 'a' && c <= 'z') {
      upper[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return upper;
}

SkinCommand BaseSkinCommand(std::string_view upperCased) {
  struct Word {
    std::string_view text;
    SkinCommand command;
  };
  static constexpr Word kWords[] = {
      {"CLOSE", SkinCommand::Hide},
      {"<HIDE_WINDOW>", SkinCommand::Hide},
      {"<CLOCK_SETUP>", SkinCommand::ClockSetup},
      {"<CALENDAR_SETUP>", SkinCommand::CalendarSetup},
      {"<ALARM_SETUP>", SkinCommand::AlarmSetup},
      {"<ADD_ALARM>", SkinCommand::AddAlarm},
      {"<DESTROY_WINDOW>", SkinCommand::DestroyWindow},
  };
  for (const Word& word : kWords) {
    if (word.text == upperCased) return word.command;
  }
  return SkinCommand::None;
}

std::string SkinTextForEditing(std::string_view fileBytes) {
  std::string text;
  text.reserve(fileBytes.size() + fileBytes.size() / 16);
  SplitLines(fileBytes, [&](std::string_view line) { text += line; }, [&] { text += "\r\n"; });
  return text;
}

std::string SkinTextForSaving(std::string_view edited) {
  const std::size_t end = edited.find_last_not_of("\r\n");
  edited = end == std::string_view::npos ? std::string_view() : edited.substr(0, end + 1);
  return SkinTextForEditing(edited);
}

}  // namespace quillet
