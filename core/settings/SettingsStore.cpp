#include "settings/SettingsStore.h"

#include <utility>
#include <vector>

#include "ports/FileSystem.h"
#include "settings/SettingsExchange.h"
#include "settings/XmlSettingsDocument.h"
#include "storage/Paths.h"
#include "text/Scan.h"

namespace quillet {

namespace {

constexpr const char* kSettingsFileName = "QuilletDB.xml";
constexpr const char* kPlaceholder = "$(TARGETPATH)\\";

Point ParsePosition(const std::string& text, Point fallback) {
  Scanner scan(text);
  Point point = fallback;
  if (scan.Int(point.x)) scan.Int(point.y);
  return point;
}

class Loader final : public SettingsExchange {
 public:
  Loader(const SettingsBackend& backend, const std::string& programFolder)
      : backend_(backend), programFolder_(programFolder) {}

  void Int(const char* section, const char* key, int& value, int fallback, Persist) override {
    value = backend_.ReadInt(section, key, fallback);
  }
  void Text(const char* section, const char* key, std::string& value, std::string_view fallback, Persist) override {
    value = backend_.ReadString(section, key, fallback);
  }
  void Path(const char* section, const char* key, std::string& value) override {
    value = ReplaceAll(backend_.ReadString(section, key, ""), kPlaceholder, programFolder_);
  }
  void Position(const char* section, const char* key, Point& value, Point fallback) override {
    value = ParsePosition(backend_.ReadString(section, key, ""), fallback);
  }

 private:
  const SettingsBackend& backend_;
  const std::string& programFolder_;
};

class Saver final : public SettingsExchange {
 public:
  // `programFolder` empty: paths are stored as they are.
  // `whole`: the keys only the preferences write too.
  Saver(SettingsBackend& backend, std::string programFolder, bool whole = false)
      : backend_(backend), programFolder_(std::move(programFolder)), whole_(whole) {}

  void Int(const char* section, const char* key, int& value, int, Persist persist) override {
    if (Writes(persist)) backend_.WriteInt(section, key, value);
  }
  void Text(const char* section, const char* key, std::string& value, std::string_view, Persist persist) override {
    if (Writes(persist)) backend_.WriteString(section, key, value);
  }
  void Path(const char* section, const char* key, std::string& value) override {
    backend_.WriteString(section, key, ReplaceAll(value, programFolder_, kPlaceholder));
  }
  void Position(const char* section, const char* key, Point& value, Point) override {
    backend_.WriteString(section, key, std::to_string(value.x) + ' ' + std::to_string(value.y));
  }

 private:
  bool Writes(Persist persist) const {
    return persist == Persist::FullSave || (whole_ && persist == Persist::Preferences);
  }

  SettingsBackend& backend_;
  std::string programFolder_;
  bool whole_;
};

// The program and address targets of the hotkeys, which the preferences keep in the store itself.
constexpr const char* kHotkeyTargetKeys[] = {"HotKey01", "HotKey02", "HotKey03", "HotKey04",
                                             "HotKey05", "HotKey06", "HotKey07", "HotKey08"};

// Passes on only the named keys, whoever else writes them: for values written the moment they
// change, and for the keys only the preferences write.
class OnlyKeys final : public SettingsExchange {
 public:
  OnlyKeys(SettingsExchange& inner, std::initializer_list<std::string_view> keys) : inner_(inner), keys_(keys) {}

  void Int(const char* section, const char* key, int& value, int fallback, Persist) override {
    if (Wanted(key)) inner_.Int(section, key, value, fallback, Persist::FullSave);
  }
  void Text(const char* section, const char* key, std::string& value, std::string_view fallback,
            Persist) override {
    if (Wanted(key)) inner_.Text(section, key, value, fallback, Persist::FullSave);
  }
  void Path(const char* section, const char* key, std::string& value) override {
    if (Wanted(key)) inner_.Path(section, key, value);
  }
  void Position(const char* section, const char* key, Point& value, Point fallback) override {
    if (Wanted(key)) inner_.Position(section, key, value, fallback);
  }

 private:
  bool Wanted(std::string_view key) const {
    for (std::string_view wanted : keys_) {
      if (wanted == key) return true;
    }
    return false;
  }
  SettingsExchange& inner_;
  std::initializer_list<std::string_view> keys_;
};

}  // namespace

SettingsStore::SettingsStore(FileSystem& files, SettingsBackend& registry, const Clock& clock,
                             SettingsEnvironment environment, StarterFilePlacer placeStarterFiles)
    : files_(files),
      registry_(registry),
      environment_(std::move(environment)),
      placeStarterFiles_(std::move(placeStarterFiles)),
      keeper_(files, clock) {}

SettingsStore::~SettingsStore() = default;

std::string SettingsStore::SettingsFilePath() const { return environment_.programFolder + kSettingsFileName; }

SettingsBackend& SettingsStore::Active() {
  if (portable_ && document_) return *document_;
  return registry_;
}

void SettingsStore::DropDocument() {
  document_.reset();
  portable_ = false;
}

void SettingsStore::ChooseBackend() {
  const std::string path = SettingsFilePath();
  if (!files_.FileExists(path)) {
    portable_ = false;
    return;
  }
  portable_ = true;
  document_ = std::make_unique<XmlSettingsDocument>();
  std::string text;
  const bool loaded = files_.ReadFile(path, text) == ReadOutcome::Ok && document_->Parse(text);
  keeper_.Note(path, loaded ? FileCondition::Sound : FileCondition::Damaged);
  const std::string enable = loaded ? document_->ReadString("Portable", "Enable", "0") : "";
  if (enable.empty() || enable == "0") DropDocument();
}

SettingsLoadReport SettingsStore::LoadAll() {
  ChooseBackend();
  Loader loader(Active(), environment_.programFolder);
  ExchangeAll(loader, settings_, environment_.UserFilesFolder());
  SettingsLoadReport report;
  ApplyLoadRules(report);
  return report;
}

void SettingsStore::ApplyLoadRules(SettingsLoadReport& report) {
  GeneralSettings& general = settings_.general;
  const std::string& programFolder = environment_.programFolder;

  const DataFolderChoice folder = ChooseDataFolder(files_, general.memoDbFolder, programFolder,
                                                   environment_.documentsFolder, placeStarterFiles_);
  general.dataFolder = folder.folder;
  report.dataFolderUnavailable = folder.storedUnavailable;
  if (!folder.storedUnavailable) general.memoDbFolder = folder.folder;

  general.memoDbFile = ChooseStartupGroup(files_, general.memoDbFile, general.dataFolder);

  const AlarmFileChoice alarm = ChooseAlarmFile(files_, general.alarmFile, general.dataFolder);
  general.alarmPath = alarm.path;
  report.alarmFileUnavailable = alarm.storedUnavailable;
  if (!alarm.storedUnavailable) general.alarmFile = alarm.path;
  general.alarmVer = "160";

  general.backgroundColor = FixedMemoValues::kNewMemoBackgroundColor;
  // A program that moves with its folder cannot start with this computer.
  if (portable_) general.startProgram = false;

  const unsigned lastMonitor = static_cast<unsigned>(environment_.monitorCount - 1);
  if (!(static_cast<unsigned>(general.workMonitor) < lastMonitor)) {
    general.workMonitor = static_cast<int>(lastMonitor);
  }
  if (environment_.monitorCount > 1) general.enableDesktop = false;

  if (settings_.calendar.skinFile.empty()) {
    settings_.calendar.skinFile = programFolder + "CalendarSkin\\Quillet calendar\\Quillet calendar.ski";
  }
  if (settings_.schedule.skinFile.empty()) {
    settings_.schedule.skinFile = programFolder + "ScheduleSkin\\Quillet Schedule\\Quillet Schedule.ski";
  }
  if (settings_.rauncher.skinFile.empty()) {
    settings_.rauncher.skinFile = programFolder + "RauncherSkin\\Quillet Rauncher\\Quillet Rauncher.ski";
  }
  settings_.clockSkinFolder = programFolder + "ClockSkin\\";
  settings_.calendarSkinFolder = programFolder + "CalendarSkin\\";
  settings_.scheduleSkinFolder = programFolder + "ScheduleSkin\\";
  settings_.rauncherSkinFolder = programFolder + "RauncherSkin\\";
}

bool SettingsStore::WriteSettingsFile() {
  return keeper_.Write(SettingsFilePath(), document_->Print()).status == FileWriteStatus::Saved;
}

bool SettingsStore::SaveAll() { return WriteAll(false); }

bool SettingsStore::WriteAll(bool whole) {
  bool ok = true;
  if (portable_) {
    if (!document_) document_ = std::make_unique<XmlSettingsDocument>();
    document_->WriteString("Portable", "Enable", "1");
  } else if (document_) {
    // Just switched off: the file stays, telling the next start to use the registry.
    document_->WriteString("Portable", "Enable", "0");
    ok = WriteSettingsFile();
    document_.reset();
  }
  Saver saver(Active(), portable_ ? environment_.programFolder : std::string(), whole);
  ExchangeAll(saver, settings_, environment_.UserFilesFolder());
  if (portable_ && document_) ok = WriteSettingsFile() && ok;
  return ok;
}

// Everything the user set goes to the other store: the palette, which only the preferences write,
// and the hotkeys' targets, which they keep in the store itself, as well as the rest.
PortableSwitchResult SettingsStore::SetPortableMode(bool on) {
  std::vector<std::pair<const char*, std::string>> targets;
  for (const char* key : kHotkeyTargetKeys) targets.emplace_back(key, Active().ReadString("HotKey", key, ""));
  portable_ = on;
  if (on && !document_) document_ = std::make_unique<XmlSettingsDocument>();
  for (const auto& [key, target] : targets) {
    if (!target.empty()) Active().WriteString("HotKey", key, target);
  }
  if (WriteAll(true) || !on) return {};
  std::string message = SettingsFileNotMadeMessage(SettingsFilePath());
  DropDocument();
  return {false, std::move(message)};
}

std::string SettingsFileNotMadeMessage(const std::string& path) {
  return path + "파일을 정상적으로 만들지 못하였습니다.";
}

bool SettingsStore::SaveGeneralKeys(std::initializer_list<std::string_view> keys) {
  Saver saver(Active(), portable_ ? environment_.programFolder : std::string());
  OnlyKeys only(saver, keys);
  ExchangeGeneral(only, settings_.general, settings_.color);
  return !(portable_ && document_) || WriteSettingsFile();
}

void SettingsStore::SaveClockPosition() {
  Saver saver(Active(), portable_ ? environment_.programFolder : std::string());
  ExchangeClockPosition(saver, settings_.clock);
}

void SettingsStore::WriteCommunicationVersion() { Active().WriteInt("Communication", "Version", 2); }

std::vector<std::string> ReadMemoMacros(const SettingsBackend& backend) {
  static constexpr const char* kBuiltIn[] = {
      "%Y-%B-%d", "%y-%B-%d", "%d/%B/%Y", "%Y년 %B월 %d일", "%Y년 %B월 %d일 %A", "%p %l:%M:%S", "%k:%M:%S",
  };
  constexpr int kMaxMacros = 100;
  constexpr int kBuiltInCount = static_cast<int>(sizeof kBuiltIn / sizeof kBuiltIn[0]);
  std::vector<std::string> macros;
  for (int i = 0; i < kMaxMacros; ++i) {
    std::string format = backend.ReadString("MemoMacro", "Macro" + std::to_string(i), i < kBuiltInCount ? kBuiltIn[i] : "");
    if (format.empty()) break;
    macros.push_back(std::move(format));
  }
  return macros;
}

}  // namespace quillet
