#include "DumpDayInfo.h"

#include "Json.h"
#include "calendar/DayInfoFormat.h"
#include "storage/Paths.h"

namespace quillet {

namespace {

constexpr std::size_t kLinesNamed = 10;

std::string RecordJson(const DayInfoRecord& r, const TextCodec& codec) {
  const auto n = [](int value) { return std::to_string(value); };
  const auto b = [](bool value) { return std::string(value ? "true" : "false"); };
  return "{\"identifier\": " + n(r.identifier) + ", \"month\": " + n(r.month) + ", \"day\": " + n(r.day) +
         ", \"lunar\": " + b(r.lunar) + ", \"leap\": " + b(r.leap) + ", \"name\": " + JsonString(r.name, codec) +
         ", \"holiday\": " + b(r.holiday) + ", \"image\": " + n(r.image) + "}";
}

}  // namespace

bool IsDayInfoFileName(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return PathKey(name) == PathKey("DayInfo.dat");
}

DumpResult DumpDayInfo(std::string_view bytes, const TextCodec& codec) {
  DumpResult result;
  const ParsedDayInfo parsed = ParseDayInfo(bytes);
  result.json = JsonArray(parsed.records, [&](const auto& record) { return RecordJson(record, codec); });

  const std::size_t count = parsed.skipped.size();
  if (count == 0) return result;
  result.error = std::to_string(count) + (count == 1 ? " line is" : " lines are") + " not an anniversary and skipped (";
  for (std::size_t i = 0; i < count && i < kLinesNamed; ++i) {
    result.error += (i ? "; " : "") + DescribeSkippedLine(parsed.skipped[i]);
  }
  if (count > kLinesNamed) result.error += "; " + std::to_string(count - kLinesNamed) + " more";
  result.error += ")";
  return result;
}

}  // namespace quillet
