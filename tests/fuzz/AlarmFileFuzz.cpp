// Any bytes as an alarm file: what is read back must write and reread to the same records,
// and the minute rules must cope with whatever values the records hold.
#include <cstddef>
#include <cstdint>

#include "Fakes.h"
#include "schedule/AlarmFileFormat.h"
#include "schedule/AlarmRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillet;
  static const testing::TinyCodec codec;
  const ParsedAlarmFile parsed =
      ParseAlarmFile(std::string_view(reinterpret_cast<const char*>(data), size), codec, ScheduleRecord{});
  const ParsedAlarmFile reread = ParseAlarmFile(SerializeAlarmFile(parsed.records), codec, ScheduleRecord{});
  if (reread.damaged || reread.records.size() != parsed.records.size()) __builtin_trap();
  for (std::size_t i = 0; i < parsed.records.size(); ++i) {
    if (!SameStoredFields(parsed.records[i], reread.records[i])) __builtin_trap();
  }
  ScheduleList list;
  for (const ScheduleRecord& record : parsed.records) list.Append(record);
  CheckMinute(list, LocalMinute{CivilDate{2026, 12, 8}, 9, 30});
  CheckAtStartUp(list, LocalMinute{CivilDate{2026, 2, 28}, 23, 59});
  PurgeExpired(list, LocalMinute{CivilDate{2026, 12, 8}, 9, 30});
  return 0;
}
