#include "settings/DataLocations.h"

#include "calendar/DayInfoStore.h"
#include "ports/FileSystem.h"
#include "storage/Paths.h"

namespace quillet {

namespace {

constexpr const char* kDataFolderName = "memo_data";

// One level made when missing; the starter files only go into a folder this call made.
bool EnsureFolder(FileSystem& files, const std::string& folder, const StarterFilePlacer* placeStarterFiles) {
  if (files.FolderExists(folder)) return true;
  if (!files.CreateFolder(folder)) return false;
  if (placeStarterFiles && *placeStarterFiles) (*placeStarterFiles)(NormaliseFolder(folder));
  return true;
}

}  // namespace

std::string ChooseUserFilesFolder(FileSystem& files, const std::string& programFolder, bool programFolderWritable,
                                  const std::string& perUserFolder) {
  if (programFolderWritable || perUserFolder.empty()) return programFolder;
  const std::string folder = NormaliseFolder(perUserFolder);
  const std::string calendar = folder + kCalendarSkinFolder;
  if (!EnsureFolder(files, folder, nullptr) || !EnsureFolder(files, calendar, nullptr)) return programFolder;
  // Carried once: after that the per-user copy is the one read and written.
  for (const std::string& name : {std::string(kCalendarSkinFolder) + "\\" + kDayInfoFileName, std::string(kLauncherFileName)}) {
    if (!files.FileExists(folder + name) && files.FileExists(programFolder + name)) {
      files.CopyFile(programFolder + name, folder + name);
    }
  }
  return folder;
}

DataFolderChoice ChooseDataFolder(FileSystem& files, const std::string& storedFolder,
                                  const std::string& programFolder, const std::string& documentsFolder,
                                  const StarterFilePlacer& placeStarterFiles) {
  DataFolderChoice choice;
  if (!storedFolder.empty() && files.FolderExists(storedFolder)) {
    choice.folder = NormaliseFolder(storedFolder);
    return choice;
  }
  choice.storedUnavailable = !storedFolder.empty();
  const std::string besideProgram = NormaliseFolder(programFolder + "\\" + kDataFolderName);
  if (!programFolder.empty() && EnsureFolder(files, besideProgram, &placeStarterFiles)) {
    choice.folder = besideProgram;
    return choice;
  }
  const std::string inDocuments = NormaliseFolder(documentsFolder + "\\" + kDataFolderName);
  if (!documentsFolder.empty() && EnsureFolder(files, inDocuments, nullptr)) choice.folder = inDocuments;
  return choice;
}

AlarmFileChoice ChooseAlarmFile(const FileSystem& files, const std::string& storedPath, const std::string& dataFolder) {
  AlarmFileChoice choice;
  if (!storedPath.empty() && files.FileExists(storedPath)) {
    choice.path = CollapseBackslashes(storedPath);
    return choice;
  }
  choice.storedUnavailable = !storedPath.empty();
  choice.path = dataFolder + kAlarmFileName;
  for (const char* name : {kAlarmFileName, "alarmlist160", "alarmlist"}) {
    if (files.FileExists(dataFolder + name)) {
      choice.path = dataFolder + name;
      break;
    }
  }
  choice.path = CollapseBackslashes(choice.path);
  return choice;
}

std::string FirstArchivedGroupFile(const FileSystem& files, const std::string& dataFolder) {
  for (const FolderEntry& entry : files.ListFiles(dataFolder, "*.qld")) {
    if (entry.archive) return entry.name;
  }
  return {};
}

std::string ChooseStartupGroup(const FileSystem& files, const std::string& storedGroup, const std::string& dataFolder) {
  if (storedGroup != kTemporaryStorageGroupFile) return storedGroup;
  const std::string first = FirstArchivedGroupFile(files, dataFolder);
  return first.empty() ? kDefaultGroupFile : first;
}

}  // namespace quillet
