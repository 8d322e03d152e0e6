#include "schedule/AlarmFileFormat.h"

#include "archive/ArchiveReader.h"
#include "archive/ArchiveWriter.h"

namespace quillet {

namespace {

constexpr std::uint32_t kEndMark = 0x0000FFFF;

enum class RecordRead { Record, EndMark, Broken };

RecordRead ReadRecord(ArchiveReader& reader, ScheduleRecord& r) {
  const std::uint32_t version = reader.UInt32();
  if (!reader.ok()) return RecordRead::Broken;
  if (version == kEndMark) return RecordRead::EndMark;
  if (version < 1 || version > static_cast<std::uint32_t>(kScheduleRecordVersion)) return RecordRead::Broken;
  r.enabled = reader.Int32();
  r.recurrence = static_cast<Recurrence>(reader.Int32());
  r.alertStyle = static_cast<AlertStyle>(reader.Int32());
  r.year = reader.Int32();
  r.month = reader.Int32();
  r.day = reader.Int32();
  r.hour = reader.Int32();
  r.minute = reader.Int32();
  r.dayPattern = reader.Int32();
  r.imageIndex = version >= 2 ? reader.Int32() : 0;
  r.soundFile = reader.String();
  r.runCommand = reader.String();
  r.message = reader.String();
  r.memoId = reader.String();
  r.reservedTexts[0] = reader.String();
  if (version >= 3) {
    r.reservedTexts[1] = reader.String();
    r.reservedTexts[2] = reader.String();
    r.endDateCode = reader.Int32();
    r.timeMode = static_cast<TimeMode>(reader.Int32());
    r.leadMinutes = reader.Int32();
    r.isDDay = reader.Int32();
    r.reserved = reader.Int32();
  }
  if (!reader.ok()) return RecordRead::Broken;
  if (version == 3) {
    // Version 3 kept one weekday number where later versions keep a mask.
    r.dayPattern = r.dayPattern >= 0 && r.dayPattern <= 6 ? 1 << r.dayPattern : 0;
  }
  r.version = kScheduleRecordVersion;
  r.leadMinutes = ClampLeadMinutes(r.leadMinutes);
  UpdateDerivedFields(r);
  return RecordRead::Record;
}

}  // namespace

std::int32_t ClampLeadMinutes(std::int32_t leadMinutes) {
  return leadMinutes < kLowestLeadMinutes || leadMinutes > kHighestLeadMinutes ? 0 : leadMinutes;
}

ParsedAlarmFile ParseAlarmFile(std::string_view bytes, const TextCodec& codec, const ScheduleRecord& blank) {
  ParsedAlarmFile parsed;
  ArchiveReader reader(bytes, codec);
  const std::string signature = reader.String();
  if (!reader.ok()) return parsed;
  if (signature != kAlarmSignature) {
    parsed.signature = AlarmSignature::Foreign;
    return parsed;
  }
  parsed.signature = AlarmSignature::Known;
  for (;;) {
    ScheduleRecord record = blank;
    const RecordRead read = ReadRecord(reader, record);
    if (read == RecordRead::EndMark) {
      parsed.endMarkFound = true;
      break;
    }
    if (read == RecordRead::Broken) {
      parsed.damaged = true;
      break;
    }
    ++parsed.recordsInFile;
    if (parsed.records.size() < kMaxLoadedSchedules) parsed.records.push_back(std::move(record));
  }
  return parsed;
}

std::string SerializeAlarmFile(const std::vector<ScheduleRecord>& records) {
  ArchiveWriter writer;
  writer.String(kAlarmSignature);
  for (const ScheduleRecord& r : records) {
    writer.Int32(kScheduleRecordVersion);
    writer.Int32(r.enabled);
    writer.Int32(static_cast<std::int32_t>(r.recurrence));
    writer.Int32(static_cast<std::int32_t>(r.alertStyle));
    writer.Int32(r.year);
    writer.Int32(r.month);
    writer.Int32(r.day);
    writer.Int32(r.hour);
    writer.Int32(r.minute);
    writer.Int32(r.dayPattern);
    writer.Int32(r.imageIndex);
    writer.String(r.soundFile);
    writer.String(r.runCommand);
    writer.String(r.message);
    writer.String(r.memoId);
    for (const std::string& text : r.reservedTexts) writer.String(text);
    writer.Int32(r.endDateCode);
    writer.Int32(static_cast<std::int32_t>(r.timeMode));
    writer.Int32(r.leadMinutes);
    writer.Int32(r.isDDay);
    writer.Int32(r.reserved);
  }
  writer.UInt32(kEndMark);
  return writer.Take();
}

}  // namespace quillet
