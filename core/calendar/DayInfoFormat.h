#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/DayInfoRecord.h"

namespace quillet {

// "DayInfo.dat": one record a line, "month|day|lunar|leap|name|holiday|image", CP949.
constexpr std::size_t kDayInfoMaxLineLength = 1023;  // bytes before the line end

enum class DayInfoLineFault {
  TooLong,     // more than kDayInfoMaxLineLength bytes: skipped whole, never split into pieces
  FieldCount,  // not exactly 7 non-empty fields
  Month,       // outside 1–12
  Day,         // outside 1–31
};

// A line that is neither blank, nor a comment, nor a record: a rewrite would lose it.
struct SkippedDayInfoLine {
  int line = 0;  // 1-based
  DayInfoLineFault fault = DayInfoLineFault::FieldCount;
  long long value = 0;  // the field count, the month, the day or the length
};

struct ParsedDayInfo {
  std::vector<DayInfoRecord> records;  // identifiers 1, 2, 3, ... in file order
  std::vector<SkippedDayInfoLine> skipped;
};

// Lines end at '\n' and are split at '|' and '\r', empty fields dropped. Blank lines and lines
// starting with '#' are passed over; every other line that is not a record (short ones too: they
// cannot hold seven fields) is listed in `skipped`. The leap flag is kept only for lunar
// records, as the writer writes it.
ParsedDayInfo ParseDayInfo(std::string_view bytes);

// "line 3: 6 fields, not 7" and the like.
std::string DescribeSkippedLine(const SkippedDayInfoLine& skipped);

enum class DayInfoRecordFault {
  None,
  EmptyName,         // the line would have 6 fields
  NameHasSeparator,  // '|', '\r' or '\n' would split the name
  Month,
  Day,
  LineTooLong,
};

// Whether the record's line would read back as the same record.
DayInfoRecordFault CheckDayInfoRecord(const DayInfoRecord& record);
// Empty, or holding a character that splits a line: the dialogs refuse such a name.
bool IsStorableDayInfoName(std::string_view name);

// "%d|%d|%c|%c|%s|%c|%d\n"; the leap sign is 'T' only for a lunar record.
std::string FormatDayInfoLine(const DayInfoRecord& record);

struct FormattedDayInfo {
  std::string bytes;                   // the whole file; empty when refused
  std::optional<std::size_t> refused;  // the first record that would not read back
  DayInfoRecordFault fault = DayInfoRecordFault::None;
  std::string error;  // names that record; empty when every record can be written
};

// All or nothing: one record that cannot be written refuses the whole file, so that no entry
// silently disappears at the next read.
FormattedDayInfo FormatDayInfo(const std::vector<DayInfoRecord>& records);

}  // namespace quillet
