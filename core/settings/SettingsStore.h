#pragma once

#include <initializer_list>
#include <memory>
#include <string_view>
#include <string>
#include <vector>

#include "settings/DataLocations.h"
#include "settings/Settings.h"
#include "settings/SettingsBackend.h"
#include "storage/DataFileKeeper.h"

namespace quillet {

class Clock;
class FileSystem;
class XmlSettingsDocument;

// What the store is told about the machine it runs on.
struct SettingsEnvironment {
  std::string programFolder;    // folder of the executable, ending with a backslash
  std::string documentsFolder;  // the user's documents folder; may be empty
  int monitorCount = 1;
  // Where the files kept beside the program go (ChooseUserFilesFolder); empty: the program folder.
  std::string userFilesFolder = {};
  const std::string& UserFilesFolder() const { return userFilesFolder.empty() ? programFolder : userFilesFolder; }
};

struct SettingsLoadReport {
  // A stored location was not there; a fallback serves this session and the stored value is kept.
  bool dataFolderUnavailable = false;
  bool alarmFileUnavailable = false;
};

struct PortableSwitchResult {
  bool ok = true;
  std::string message;  // for the program message box when !ok
};

// All settings: loaded once, held as working values, saved all together. Keys go to the
// registry, or to "QuilletDB.xml" beside the program in portable mode.
class SettingsStore {
 public:
  SettingsStore(FileSystem& files, SettingsBackend& registry, const Clock& clock, SettingsEnvironment environment,
                StarterFilePlacer placeStarterFiles);
  ~SettingsStore();

  SettingsLoadReport LoadAll();
  // False when the settings file could not be written.
  bool SaveAll();
  PortableSwitchResult SetPortableMode(bool on);
  bool IsPortable() const { return portable_; }
  const SettingsEnvironment& Environment() const { return environment_; }
  // Writes just these keys of the general section (with "Color"), for values saved the moment
  // they change ("DefaultColorType", "TitleFont", the palette). False when the settings file
  // could not be written.
  bool SaveGeneralKeys(std::initializer_list<std::string_view> keys);
  void SaveClockPosition();
  // The version of the communication protocol other programs read: 2.
  void WriteCommunicationVersion();

  // The back end every read and write goes to now.
  SettingsBackend& Active();
  Settings& values() { return settings_; }
  const Settings& values() const { return settings_; }
  std::string SettingsFilePath() const;

 private:
  void ChooseBackend();
  void ApplyLoadRules(SettingsLoadReport& report);
  bool WriteSettingsFile();
  void DropDocument();
  // Every key to the store in use; `whole` adds what only the preferences write (the palette).
  bool WriteAll(bool whole);

  FileSystem& files_;
  SettingsBackend& registry_;
  SettingsEnvironment environment_;
  StarterFilePlacer placeStarterFiles_;
  Settings settings_;
  bool portable_ = false;
  std::unique_ptr<XmlSettingsDocument> document_;
  // A settings file that was there but could not be read is copied aside before it is replaced.
  DataFileKeeper keeper_;
};

// "%s파일을 정상적으로 만들지 못하였습니다." with the settings file's path.
std::string SettingsFileNotMadeMessage(const std::string& path);

// The date/time formats of the editor's macro menu: "Macro0", "Macro1", ... up to the first
// empty one, with built-in formats for the first seven when their keys are missing.
std::vector<std::string> ReadMemoMacros(const SettingsBackend& backend);

}  // namespace quillet
