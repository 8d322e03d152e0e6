#include "Import.h"

#include <algorithm>
#include <cctype>

#include "ImportAlarmFile.h"
#include "ImportFields.h"
#include "ImportMemoList.h"

namespace quillet {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower;
}

bool IsAlarmFileName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string name = Lower(slash == std::string_view::npos ? path : path.substr(slash + 1));
  const std::string extension = ".qla";
  return name == "alarmlist160" || name == "alarmlist" ||
         (name.size() > extension.size() && name.substr(name.size() - extension.size()) == extension);
}

bool DescribesAlarmFile(const JsonValue& root, std::string_view outName) {
  for (const JsonValue& record : root.items) {
    for (const JsonMember& member : record.members) {
      const bool alarm = IsAlarmRecordField(member.name);
      if (alarm != IsMemoRecordField(member.name)) return alarm;
    }
  }
  return IsAlarmFileName(outName);
}

}  // namespace

ImportResult ImportDataFile(std::string_view json, std::string_view outName, const TextCodec& codec) {
  ImportResult result;
  const JsonDocument document = ParseJson(json);
  if (!document.error.empty()) {
    result.error = document.error;
    return result;
  }
  try {
    const JsonValue& root = document.root;
    result.bytes = DescribesAlarmFile(root, outName) ? AlarmFileFromJson(root, codec) : MemoListFromJson(root, codec);
  } catch (const ImportError& error) {
    result.error = JsonPosition(json, error.offset) + ": " + error.what;
  }
  return result;
}

}  // namespace quillet
