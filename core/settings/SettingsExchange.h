#pragma once

#include <array>
#include <string>
#include <string_view>

#include "geometry/Rect.h"
#include "settings/Settings.h"

namespace quillet {

// Who writes a key: the full save, only the preferences dialog when it is applied, or nobody.
enum class Persist { FullSave, Preferences, Never };

// Every key of the settings is named once, in the functions below, with its section, default and
// persistence; a loader and a saver walk the same lists. The lists are in save order.
class SettingsExchange {
 public:
  virtual ~SettingsExchange() = default;
  virtual void Int(const char* section, const char* key, int& value, int fallback,
                   Persist persist = Persist::FullSave) = 0;
  virtual void Text(const char* section, const char* key, std::string& value, std::string_view fallback,
                    Persist persist = Persist::FullSave) = 0;
  // A path under the program folder, stored with "$(TARGETPATH)\" in portable mode. Default "".
  virtual void Path(const char* section, const char* key, std::string& value) = 0;
  // "%d %d".
  virtual void Position(const char* section, const char* key, Point& value, Point fallback) = 0;

  // Stored as a number: any but 0 is on; written 1 or 0.
  void Flag(const char* section, const char* key, bool& value, bool fallback, Persist persist = Persist::FullSave) {
    int stored = value ? 1 : 0;
    Int(section, key, stored, fallback ? 1 : 0, persist);
    value = stored != 0;
  }
  void Color(const char* section, const char* key, Bgr& value, Bgr fallback, Persist persist = Persist::FullSave) {
    int stored = value.Stored();
    Int(section, key, stored, fallback.Stored(), persist);
    value = Bgr::FromStored(stored);
  }
  // Stored as a number, decoded as StoredModes says; written as its number.
  template <class Mode>
  void Choice(const char* section, const char* key, Mode& value, Mode fallback, Persist persist = Persist::FullSave) {
    ChoiceOr(section, key, value, fallback, ModeFromStored<Mode>, persist);
  }
  // The same with this key's own reading of the numbers.
  template <class Mode>
  void ChoiceOr(const char* section, const char* key, Mode& value, Mode fallback, Mode (*decode)(int),
                Persist persist = Persist::FullSave) {
    int stored = static_cast<int>(value);
    Int(section, key, stored, static_cast<int>(fallback), persist);
    value = decode(stored);
  }
};

void ExchangeGeneral(SettingsExchange& x, GeneralSettings& general, ColorSettings& color);
// The clock's section, ending with the two keys of ExchangeClockPosition.
void ExchangeClock(SettingsExchange& x, ClockSettings& clock);
void ExchangeClockPosition(SettingsExchange& x, ClockSettings& clock);
void ExchangeCalendar(SettingsExchange& x, CalendarSettings& calendar);
// "Schedule" and "Rauncher", each with its reading of "StartMode".
void ExchangeWidget(SettingsExchange& x, const char* section, WidgetSettings& widget, Point defaultPosition,
                    WidgetStartMode (*decodeStartMode)(int));
// The launcher showed, for any number its key had no mode for, as it does when needed.
constexpr WidgetStartMode LauncherStartModeFromStored(int stored) {
  return stored >= 0 && stored <= 2 ? static_cast<WidgetStartMode>(stored) : WidgetStartMode::WhenNeeded;
}
void ExchangeLauncherFile(SettingsExchange& x, std::string& rauncherFile, const std::string& userFilesFolder);
void ExchangeAlarm(SettingsExchange& x, AlarmSettings& alarm);
void ExchangeHotkeys(SettingsExchange& x, HotkeyTable& hotkeys);

// The whole store in load and save order.
void ExchangeAll(SettingsExchange& x, Settings& settings, const std::string& userFilesFolder);

// "Color" "Type00" … "Type11"; also what the preferences' "기본값" puts back.
inline constexpr std::array<Bgr, kPaletteSize> kDefaultPalette{{
    {13027014}, {14803425}, {11904678}, {15395518}, {12570090}, {15388094},
    {12511950}, {12511978}, {15385568}, {13540095}, {11755872}, {3315250},
}};

constexpr Point kSchedulePosition{260, 50};
constexpr Point kLauncherPosition{260, 250};

}  // namespace quillet
