#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "schedule/ScheduleRecord.h"

namespace quillet {

class TextCodec;

constexpr const char* kAlarmSignature = "ALARM SIGNATURE";
constexpr std::size_t kMaxLoadedSchedules = 20000;

enum class AlarmSignature { Known, Foreign, Unreadable };

struct ParsedAlarmFile {
  AlarmSignature signature = AlarmSignature::Unreadable;
  std::vector<ScheduleRecord> records;  // at most kMaxLoadedSchedules, version 4, leads clamped
  std::size_t recordsInFile = 0;        // all complete records, also those beyond the limit
  bool endMarkFound = false;
  bool damaged = false;  // a record cut short or an unknown version before the end mark
};

// The alarm file's bytes: a signature, records of versions 1–4 and an end mark. Each record
// starts as a copy of `blank`, so that fields an old version lacks keep the new-record values.
ParsedAlarmFile ParseAlarmFile(std::string_view bytes, const TextCodec& codec, const ScheduleRecord& blank);

// Every record in version 4, then the end mark.
std::string SerializeAlarmFile(const std::vector<ScheduleRecord>& records);

// Advance warnings outside these bounds are dropped (set to 0) when a file is read.
constexpr std::int32_t kLowestLeadMinutes = -1440;
constexpr std::int32_t kHighestLeadMinutes = 44640;
std::int32_t ClampLeadMinutes(std::int32_t leadMinutes);

}  // namespace quillet
