#include "DumpAlarmFile.h"

#include "Json.h"
#include "schedule/AlarmFileFormat.h"

namespace quillet {

namespace {

std::string RecordJson(const ScheduleRecord& r, const TextCodec& codec) {
  const auto n = [](long long value) { return std::to_string(value); };
  std::string json = "{\"version\": " + n(r.version) + ", \"enabled\": " + n(r.enabled) +
                     ", \"recurrence\": " + n(static_cast<int>(r.recurrence)) +
                     ", \"alertStyle\": " + n(static_cast<int>(r.alertStyle)) + ", \"year\": " + n(r.year) +
                     ", \"month\": " + n(r.month) + ", \"day\": " + n(r.day) + ", \"hour\": " + n(r.hour) +
                     ", \"minute\": " + n(r.minute) + ", \"dayPattern\": " + n(r.dayPattern) +
                     ", \"imageIndex\": " + n(r.imageIndex) + ", \"endDateCode\": " + n(r.endDateCode) +
                     ", \"timeMode\": " + n(static_cast<int>(r.timeMode)) + ", \"leadMinutes\": " + n(r.leadMinutes) +
                     ", \"isDDay\": " + n(r.isDDay) + ", \"reserved\": " + n(r.reserved) +
                     ", \"soundFile\": " + JsonString(r.soundFile, codec) +
                     ", \"runCommand\": " + JsonString(r.runCommand, codec) +
                     ", \"message\": " + JsonString(r.message, codec) + ", \"memoId\": " + JsonString(r.memoId, codec) +
                     ", \"reservedTexts\": [";
  for (std::size_t i = 0; i < r.reservedTexts.size(); ++i) {
    json += (i ? ", " : "") + JsonString(r.reservedTexts[i], codec);
  }
  return json + "]}";
}

}  // namespace

bool LooksLikeAlarmFile(std::string_view bytes) {
  const std::string_view signature(kAlarmSignature);
  return bytes.size() > signature.size() && static_cast<unsigned char>(bytes[0]) == signature.size() &&
         bytes.substr(1, signature.size()) == signature;
}

DumpResult DumpAlarmFile(std::string_view bytes, const TextCodec& codec) {
  DumpResult result;
  const ParsedAlarmFile parsed = ParseAlarmFile(bytes, codec, ScheduleRecord{});
  result.json = JsonArray(parsed.records, [&](const auto& record) { return RecordJson(record, codec); });

  if (parsed.signature != AlarmSignature::Known) {
    result.error = "no alarm file signature: the file is damaged or not an alarm file";
  } else if (parsed.damaged) {
    result.error = "a record after the " + std::to_string(parsed.recordsInFile) +
                   " complete ones is damaged or cut short; those before it are shown";
  } else if (!parsed.endMarkFound) {
    result.error = "the end mark is missing";
  } else if (parsed.recordsInFile > parsed.records.size()) {
    result.error = "the file holds " + std::to_string(parsed.recordsInFile) + " records; the program loads the first " +
                   std::to_string(parsed.records.size());
  }
  return result;
}

}  // namespace quillet
