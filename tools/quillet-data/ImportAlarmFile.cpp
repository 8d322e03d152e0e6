#include "ImportAlarmFile.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "ImportFields.h"
#include "schedule/AlarmFileFormat.h"
#include "settings/Settings.h"

namespace quillet {

namespace {

using S = ScheduleRecord;

constexpr std::pair<std::string_view, std::int32_t S::*> kNumbers[] = {
    {"enabled", &S::enabled},         {"year", &S::year},           {"month", &S::month},
    {"day", &S::day},                 {"hour", &S::hour},           {"minute", &S::minute},
    {"dayPattern", &S::dayPattern},   {"imageIndex", &S::imageIndex}, {"endDateCode", &S::endDateCode},
    {"isDDay", &S::isDDay},           {"reserved", &S::reserved}};
constexpr std::pair<std::string_view, std::string S::*> kTexts[] = {
    {"soundFile", &S::soundFile}, {"runCommand", &S::runCommand}, {"message", &S::message}, {"memoId", &S::memoId}};
// Kept as the numbers they are in the file, known to the program or not, so that any file comes back whole.
constexpr std::pair<std::string_view, Recurrence S::*> kRecurrence[] = {{"recurrence", &S::recurrence}};
constexpr std::pair<std::string_view, AlertStyle S::*> kAlertStyle[] = {{"alertStyle", &S::alertStyle}};
constexpr std::pair<std::string_view, TimeMode S::*> kTimeMode[] = {{"timeMode", &S::timeMode}};

template <class Enum, class Fields>
bool SetEnum(std::string_view name, const Fields& fields, S& r, const JsonValue& value, const std::string& field) {
  return SetNamed(name, fields, r, [&] { return static_cast<Enum>(Integer<std::int32_t>(value, field)); });
}

ScheduleRecord Record(const JsonValue& object, const std::string& where, const TextCodec& codec) {
  ScheduleRecord r = NewScheduleRecord(AlarmSettings{});
  ForEachMember(object, where, where + ", ", [&](const std::string& name, const JsonValue& value, const auto& field) {
    if (name == "version") {
      // Every record is written with the current version, so no other would come back.
      if (Integer<std::int32_t>(value, field) != kScheduleRecordVersion) {
        Fail(value, field, "must be " + std::to_string(kScheduleRecordVersion));
      }
      return true;
    }
    if (name == "leadMinutes") {
      // The program would read any other as 0.
      r.leadMinutes = static_cast<std::int32_t>(IntegerIn(value, field, kLowestLeadMinutes, kHighestLeadMinutes));
      return true;
    }
    if (name == "reservedTexts") {
      if (value.kind != JsonKind::Array || value.items.size() != r.reservedTexts.size()) {
        Fail(value, field, "must be an array of " + std::to_string(r.reservedTexts.size()) + " strings");
      }
      for (std::size_t i = 0; i < r.reservedTexts.size(); ++i) {
        r.reservedTexts[i] = Cp949Text(value.items[i], field + "[" + std::to_string(i) + "]", codec);
      }
      return true;
    }
    return SetNamed(name, kNumbers, r, [&] { return Integer<std::int32_t>(value, field); }) ||
           SetNamed(name, kTexts, r, [&] { return Cp949Text(value, field, codec); }) ||
           SetEnum<Recurrence>(name, kRecurrence, r, value, field) ||
           SetEnum<AlertStyle>(name, kAlertStyle, r, value, field) ||
           SetEnum<TimeMode>(name, kTimeMode, r, value, field);
  });
  return r;
}

}  // namespace

std::string AlarmFileFromJson(const JsonValue& list, const TextCodec& codec) {
  if (list.kind != JsonKind::Array) throw ImportError{list.offset, "an alarm file must be an array of records"};
  if (list.items.size() > kMaxLoadedSchedules) {
    throw ImportError{list.offset, "an alarm file holds at most " + std::to_string(kMaxLoadedSchedules) +
                                       " records (the program loads no more); this has " +
                                       std::to_string(list.items.size())};
  }
  std::vector<ScheduleRecord> records;
  records.reserve(list.items.size());
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    records.push_back(Record(list.items[i], "record " + std::to_string(i + 1), codec));
  }
  return SerializeAlarmFile(records);
}

bool IsAlarmRecordField(std::string_view name) {
  return name == "version" || name == "leadMinutes" || name == "reservedTexts" || HasName(kNumbers, name) ||
         HasName(kTexts, name) || HasName(kRecurrence, name) || HasName(kAlertStyle, name) ||
         HasName(kTimeMode, name);
}

}  // namespace quillet
