#include "schedule/AlarmFileStore.h"

#include <cstdio>

#include "ports/FileSystem.h"
#include "schedule/AlarmFileFormat.h"
#include "settings/DataLocations.h"
#include "storage/Paths.h"

namespace quillet {

namespace {

std::string TooManyWarning(std::size_t count) {
  if (count < kMaxLoadedSchedules) return {};
  char text[256];
  std::snprintf(text, sizeof text,
                "알람이 너무 많습니다[ 현재 %d개].\n알람 설정에서 시간이 지난 것은 삭제해 주세요.",
                static_cast<int>(count));
  return text;
}

}  // namespace

AlarmFileStore::AlarmFileStore(FileSystem& files, const TextCodec& codec, const Clock& clock)
    : files_(files), codec_(codec), keeper_(files, clock) {}

AlarmLoadResult AlarmFileStore::Load(const std::string& path, const std::string& dataFolder,
                                     const ScheduleRecord& blank, ScheduleList& list) {
  list.Clear();
  AlarmLoadResult result;
  result.path = files_.FileExists(path) ? path : dataFolder + kAlarmFileName;
  std::string bytes;
  switch (files_.ReadFile(result.path, bytes)) {
    case ReadOutcome::Missing:
      return result;
    case ReadOutcome::Unreadable:
      keeper_.Note(result.path, FileCondition::Unreadable);
      result.status = AlarmLoadStatus::Unreadable;
      return result;
    case ReadOutcome::Ok:
      break;
  }
  ParsedAlarmFile parsed = ParseAlarmFile(bytes, codec_, blank);
  if (parsed.signature != AlarmSignature::Known) {
    keeper_.Note(result.path, FileCondition::Damaged);
    result.status =
        parsed.signature == AlarmSignature::Foreign ? AlarmLoadStatus::Foreign : AlarmLoadStatus::BadSignature;
    return result;
  }
  for (ScheduleRecord& record : parsed.records) list.Append(std::move(record));
  result.recordsInFile = parsed.recordsInFile;
  result.tooManyWarning = TooManyWarning(parsed.recordsInFile);
  const bool keepAside = parsed.damaged || parsed.recordsInFile > list.size();
  keeper_.Note(result.path, keepAside ? FileCondition::Damaged : FileCondition::Sound);
  return result;
}

AlarmSaveStatus AlarmFileStore::Save(const std::string& path, const ScheduleList& list, UnsavedFile* unsaved) {
  FileWriteOutcome written = keeper_.Write(path, SerializeAlarmFile(list.records()));
  if (unsaved) *unsaved = std::move(written.unsaved);
  return written.status;
}

AlarmPickCheck CheckAlarmFilePick(const std::string& current, const std::string& chosen, bool portable,
                                     const std::string& programFolder) {
  if (PathKey(chosen) == PathKey(current)) return AlarmPickCheck::Same;
  if (portable && (chosen.size() < programFolder.size() ||
                   PathKey(chosen.substr(0, programFolder.size())) != PathKey(programFolder))) {
    return AlarmPickCheck::OutsideProgramFolder;
  }
  return AlarmPickCheck::Acceptable;
}

}  // namespace quillet
