#pragma once

#include <functional>
#include <string>

namespace quillet {

class FileSystem;

// Fills a newly made data folder with the starter group and the help memo.
using StarterFilePlacer = std::function<void(const std::string& folder)>;

struct DataFolderChoice {
  std::string folder;             // ends with one backslash; empty when none could be made
  bool storedUnavailable = false;  // a stored folder exists in the settings but not on disk now
};

// The stored folder when it is there; else "memo_data" beside the program (made, and filled
// with the starter files, when missing); else "memo_data" in the user's documents.
DataFolderChoice ChooseDataFolder(FileSystem& files, const std::string& storedFolder,
                                  const std::string& programFolder, const std::string& documentsFolder,
                                  const StarterFilePlacer& placeStarterFiles);

struct AlarmFileChoice {
  std::string path;
  bool storedUnavailable = false;
};

// The stored file when it exists; else the first existing of the current and the two older
// names in the data folder; else the current name there.
AlarmFileChoice ChooseAlarmFile(const FileSystem& files, const std::string& storedPath, const std::string& dataFolder);

// The group opened at start-up: never the temporary storage group.
std::string ChooseStartupGroup(const FileSystem& files, const std::string& storedGroup, const std::string& dataFolder);

// First "*.qld" of the folder with the archive attribute, or "".
std::string FirstArchivedGroupFile(const FileSystem& files, const std::string& dataFolder);

// The folder of the files the program keeps beside itself (the anniversaries, the launcher list):
// the program folder when it may be written; else `perUserFolder` (made when missing), into which
// the program folder's copies of them are carried the first time. The program folder when no
// per-user folder can be made either: its writes then fail and say so.
std::string ChooseUserFilesFolder(FileSystem& files, const std::string& programFolder, bool programFolderWritable,
                                  const std::string& perUserFolder);

constexpr const char* kLauncherFileName = "Rauncher00.xml";
constexpr const char* kDefaultGroupFile = "DefaultMemo.qld";
constexpr const char* kTemporaryStorageGroupFile = "RecycleBin.qlr";
constexpr const char* kAlarmFileName = "QuilletAlarmInfo.qla";

}  // namespace quillet
