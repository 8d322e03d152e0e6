#include "settings/PreferenceRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "settings/SettingsExchange.h"
#include "storage/Paths.h"

namespace quillet {

int GridIndexOf(const ValueGrid& grid, int value) {
  if (grid.count <= 0 || grid.step <= 0) return 0;
  // 64 bits, so that a stored INT_MIN or INT_MAX cannot overflow the distance.
  const long long offset = static_cast<long long>(value) - grid.first;
  if (offset <= 0) return 0;
  long long index = offset / grid.step;
  if ((offset % grid.step) * 2 > grid.step) ++index;  // a tie stays on the lower item
  return static_cast<int>(std::min<long long>(index, grid.count - 1));
}

std::optional<int> GridValueAt(const ValueGrid& grid, int index) {
  if (index < 0 || index >= grid.count) return std::nullopt;
  return grid.first + grid.step * index;
}

int ChoiceIndexOf(int value, int count) {
  if (count <= 0) return 0;
  return std::clamp(value, 0, count - 1);
}

int MinuteIndexOf(int minute) {
  if (minute > 59) return 59;
  return minute >= 1 ? minute : 0;
}

std::optional<int> MinuteAt(int index) {
  if (index == 0) return kMinuteOff;
  if (index >= 1 && index <= 59) return index;
  return std::nullopt;
}

int ClampTransparency(int value) { return std::clamp(value, kMinTransparency, kMaxTransparency); }

std::string TransparencyLabel(int value) {
  // The dialog's own constant; for every slider value it floors to value × 100 / 255.
  const int percent = static_cast<int>(std::floor(value * 0.39215687));
  char text[32];
  std::snprintf(text, sizeof text, "%d %c", percent, '%');
  return text;
}


const ColorSettings& DefaultColors() {
  static const ColorSettings colors = [] {
    ColorSettings c;
    c.palette = kDefaultPalette;
    c.randomColor = false;
    return c;
  }();
  return colors;
}

bool IsBelowProgramFolder(std::string_view dataFolder, std::string_view programFolder) {
  if (programFolder.empty()) return false;
  const std::string data = PathKey(dataFolder);
  const std::string program = PathKey(programFolder);
  return data.size() >= program.size() && data.compare(0, program.size(), program) == 0;
}

std::wstring AutostartCommand(std::wstring_view exePath) {
  std::wstring command;
  command.reserve(exePath.size() + 9);
  command += L'"';
  command += exePath;
  command += L"\" /logon";
  return command;
}

}  // namespace quillet
