#pragma once

#include <string>

#include "schedule/ScheduleList.h"
#include "storage/DataFileKeeper.h"

namespace quillet {

class Clock;
class FileSystem;
class TextCodec;

constexpr const char* kAlarmLoadFailedMessage = "일정 정보를 정상적으로 가져오지 못하였습니다.";
constexpr const char* kAlarmSaveFailedMessage = "일정 정보를 정상적으로 저장하지 못하였습니다.";
// Shown once a session, with the unsaved file's path for %s.
constexpr const char* kAlarmSavedElsewhereMessage = "일정 정보를 원래 파일에 저장할 수 없어 다음 파일에 저장했습니다: %s";
constexpr const char* kNotAnAlarmFileMessage = "올바른 파일이 아닙니다.";
constexpr const char* kAlarmFileOutsideProgramMessage = "포터블 버전에서는 실행 폴더의 하위에 파일이 존재하여야 합니다.";

enum class AlarmLoadStatus {
  Loaded,         // the records are in the list (none when the file is missing)
  Unreadable,     // there but cannot be opened: reported, and never written over this session
                  // (saves go beside it)
  BadSignature,   // no signature can be read: reported; the list stays empty
  Foreign,        // another kind of file: the list stays empty
};

struct AlarmLoadResult {
  AlarmLoadStatus status = AlarmLoadStatus::Loaded;
  std::string path;              // the file read, or the one the first save will create
  std::size_t recordsInFile = 0;  // can exceed what was loaded
  // For the start-up warning, empty when there are not too many.
  std::string tooManyWarning;
};

using AlarmSaveStatus = FileWriteStatus;

// Loads and saves the schedule list. A file that could not be read this session is never written:
// the schedules go to its unsaved file. A damaged or foreign one, or one holding more records than
// are loaded, is copied aside before the first save replaces it, so that no schedule is ever lost.
class AlarmFileStore {
 public:
  AlarmFileStore(FileSystem& files, const TextCodec& codec, const Clock& clock);

  // When `path` does not exist, the path becomes data folder + "QuilletAlarmInfo.qla".
  AlarmLoadResult Load(const std::string& path, const std::string& dataFolder, const ScheduleRecord& blank,
                       ScheduleList& list);
  // For SavedElsewhere, `unsaved` tells where the schedules went and whether to say so now.
  AlarmSaveStatus Save(const std::string& path, const ScheduleList& list, UnsavedFile* unsaved = nullptr);

 private:
  FileSystem& files_;
  const TextCodec& codec_;
  DataFileKeeper keeper_;
};

enum class AlarmPickCheck { Same, OutsideProgramFolder, Acceptable };

// The rules for a file the user picks in the schedule manager.
AlarmPickCheck CheckAlarmFilePick(const std::string& current, const std::string& chosen, bool portable,
                                     const std::string& programFolder);

}  // namespace quillet
