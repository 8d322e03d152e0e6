#include "calendar/DayInfoFormat.h"

#include <array>

#include "text/Numbers.h"

namespace quillet {

namespace {

constexpr std::size_t kFieldCount = 7;

bool IsFieldSeparator(char c) { return c == '|' || c == '\r' || c == '\n'; }

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\r\v\f") == std::string_view::npos;
}

// The non-empty fields, counting past seven only as far as telling "too many".
std::size_t SplitFields(std::string_view line, std::array<std::string_view, kFieldCount>& fields) {
  std::size_t count = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && !IsFieldSeparator(line[i])) continue;
    if (i > start) {
      if (count < kFieldCount) fields[count] = line.substr(start, i - start);
      ++count;
    }
    start = i + 1;
  }
  return count;
}

bool MonthInRange(int month) { return month >= 1 && month <= 12; }
bool DayInRange(int day) { return day >= 1 && day <= 31; }

std::string FaultText(DayInfoRecordFault fault) {
  switch (fault) {
    case DayInfoRecordFault::None: return "";
    case DayInfoRecordFault::EmptyName: return "the name is empty";
    case DayInfoRecordFault::NameHasSeparator: return "the name holds '|' or a line break";
    case DayInfoRecordFault::Month: return "the month is not 1-12";
    case DayInfoRecordFault::Day: return "the day is not 1-31";
    case DayInfoRecordFault::LineTooLong:
      return "its line would be longer than " + std::to_string(kDayInfoMaxLineLength) + " bytes";
  }
  return "";
}

}  // namespace

ParsedDayInfo ParseDayInfo(std::string_view bytes) {
  ParsedDayInfo parsed;
  int lineNumber = 0;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;

    if (!line.empty() && line[0] == '#') continue;
    if (IsBlank(line)) continue;
    const std::size_t length = line.back() == '\r' ? line.size() - 1 : line.size();
    if (length > kDayInfoMaxLineLength) {
      parsed.skipped.push_back({lineNumber, DayInfoLineFault::TooLong, static_cast<long long>(length)});
      continue;
    }
    // Lines shorter than 5 bytes, which the format skips, cannot hold seven fields: the count
    // rejects them with the rest.
    std::array<std::string_view, kFieldCount> fields;
    const std::size_t count = SplitFields(line, fields);
    if (count != kFieldCount) {
      parsed.skipped.push_back({lineNumber, DayInfoLineFault::FieldCount, static_cast<long long>(count)});
      continue;
    }
    DayInfoRecord record;
    record.month = ParseIntLikeAtoi(fields[0]);
    record.day = ParseIntLikeAtoi(fields[1]);
    if (!MonthInRange(record.month)) {
      parsed.skipped.push_back({lineNumber, DayInfoLineFault::Month, record.month});
      continue;
    }
    if (!DayInRange(record.day)) {
      parsed.skipped.push_back({lineNumber, DayInfoLineFault::Day, record.day});
      continue;
    }
    record.lunar = fields[2][0] == '-';
    record.leap = record.lunar && fields[3][0] == 'T';
    record.name = std::string(fields[4]);
    record.holiday = fields[5][0] == 'T';
    record.image = ParseIntLikeAtoi(fields[6]);
    record.identifier = static_cast<int>(parsed.records.size()) + 1;
    parsed.records.push_back(std::move(record));
  }
  return parsed;
}

std::string DescribeSkippedLine(const SkippedDayInfoLine& skipped) {
  const std::string where = "line " + std::to_string(skipped.line) + ": ";
  const std::string value = std::to_string(skipped.value);
  switch (skipped.fault) {
    case DayInfoLineFault::TooLong:
      return where + value + " bytes, more than " + std::to_string(kDayInfoMaxLineLength);
    case DayInfoLineFault::FieldCount: return where + value + " fields, not 7";
    case DayInfoLineFault::Month: return where + "month " + value + " is not 1-12";
    case DayInfoLineFault::Day: return where + "day " + value + " is not 1-31";
  }
  return where;
}

bool IsStorableDayInfoName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    if (IsFieldSeparator(c)) return false;
  }
  return true;
}

std::string FormatDayInfoLine(const DayInfoRecord& r) {
  std::string line = std::to_string(r.month) + '|' + std::to_string(r.day) + '|' + (r.lunar ? '-' : '+') + '|' +
                     (r.lunar && r.leap ? 'T' : 'F') + '|';
  line += r.name;
  line += '|';
  line += r.holiday ? 'T' : 'F';
  line += '|';
  line += std::to_string(r.image);
  line += '\n';
  return line;
}

DayInfoRecordFault CheckDayInfoRecord(const DayInfoRecord& record) {
  if (record.name.empty()) return DayInfoRecordFault::EmptyName;
  if (!IsStorableDayInfoName(record.name)) return DayInfoRecordFault::NameHasSeparator;
  if (!MonthInRange(record.month)) return DayInfoRecordFault::Month;
  if (!DayInRange(record.day)) return DayInfoRecordFault::Day;
  if (FormatDayInfoLine(record).size() - 1 > kDayInfoMaxLineLength) return DayInfoRecordFault::LineTooLong;
  return DayInfoRecordFault::None;
}

FormattedDayInfo FormatDayInfo(const std::vector<DayInfoRecord>& records) {
  FormattedDayInfo result;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const DayInfoRecord& r = records[i];
    const DayInfoRecordFault fault = CheckDayInfoRecord(r);
    if (fault == DayInfoRecordFault::None) {
      result.bytes += FormatDayInfoLine(r);
      continue;
    }
    result.bytes.clear();
    result.refused = i;
    result.fault = fault;
    result.error = "anniversary " + std::to_string(i + 1) + " (identifier " + std::to_string(r.identifier) + ", " +
                   std::to_string(r.month) + "/" + std::to_string(r.day) +
                   (r.name.empty() ? std::string() : " \"" + r.name + "\"") + ") cannot be written: " +
                   FaultText(fault);
    return result;
  }
  return result;
}

}  // namespace quillet
