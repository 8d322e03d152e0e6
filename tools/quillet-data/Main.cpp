// quillet-data: reads the program's data files for inspection and recovery, writes memo lists and
// alarm files from their JSON, converts dates and lists public holidays.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "DumpAlarmFile.h"
#include "DumpDayInfo.h"
#include "DumpMemoList.h"
#include "Holidays.h"
#include "HostClock.h"
#include "HostFile.h"
#include "HostTextCodec.h"
#include "Import.h"
#include "InputFile.h"
#include "LunarCommands.h"
#include "SkinCheck.h"
#include "lunar/LunarCalendar.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using Arguments = std::vector<std::filesystem::path>;

void PrintUsage() {
  std::fputs(
      "usage: quillet-data dump FILE\n"
      "  dump   print a data file as JSON: a memo list (.qld, RecycleBin.qlr, memolist160, memolist),\n"
      "         an alarm file (.qla, alarmlist160, alarmlist) or the anniversary file DayInfo.dat\n"
      "       quillet-data import FILE.json OUT\n"
      "  import  write the memo list (.qld, RecycleBin.qlr) or alarm file (.qla) OUT from the JSON that\n"
      "          dump prints for one; FILE.json - reads standard input. The kind follows the records'\n"
      "          fields (OUT's name when none tells). A field left out takes a new record's value under\n"
      "          the default settings: for a memo version 150, backColor 11910870, paletteColor 13027014,\n"
      "          expanded 1, titleFont \"7816192|0|0|0|14|Tahoma\"; for a schedule version 4, enabled 1,\n"
      "          imageIndex 1; every other number 0, text \"\" and reservedTexts [\"\", \"\", \"\"].\n"
      "          Unknown fields, wrong types, text CP949 cannot hold, a leadMinutes outside -1440..44640\n"
      "          and more than 20000 schedules are errors, and OUT is left as it was\n"
      "       quillet-data skin-check FILE | --built-in NAME\n"
      "  skin-check  what the skin engine builds of a skin file, and every part it skips\n"
      "       quillet-data holidays YEAR\n"
      "  holidays  the public holidays of YEAR (1900-2049; none before 1949) with their substitute days,\n"
      "            one JSON object a line\n",
      stderr);
  std::fputs(quillet::kLunarCommandsUsage, stderr);
}

void Write(const std::string& text, FILE* stream) { std::fwrite(text.data(), 1, text.size(), stream); }

int Dump(const std::filesystem::path& name) {
  const std::optional<std::string> bytes = quillet::ReadInputFile(name);
  if (!bytes) {
    std::fprintf(stderr, "quillet-data: cannot read %s\n", name.u8string().c_str());
    return 1;
  }
  const auto codec = MakeHostTextCodec();
  const quillet::DumpResult result = quillet::IsDayInfoFileName(name.u8string()) ? quillet::DumpDayInfo(*bytes, *codec)
                                     : quillet::LooksLikeAlarmFile(*bytes)     ? quillet::DumpAlarmFile(*bytes, *codec)
                                                                               : quillet::DumpMemoList(*bytes, *codec);
  Write(result.json, stdout);
  if (result.error.empty()) return 0;
  std::fprintf(stderr, "quillet-data: %s: %s\n", name.u8string().c_str(), result.error.c_str());
  return 1;
}

int Import(const std::filesystem::path& from, const std::filesystem::path& to) {
  const bool standardInput = from == "-";
  const std::string source = standardInput ? "standard input" : from.u8string();
  const std::optional<std::string> json = standardInput ? quillet::ReadStandardInput() : quillet::ReadInputFile(from);
  if (!json) {
    std::fprintf(stderr, "quillet-data: cannot read %s\n", source.c_str());
    return 1;
  }
  const quillet::ImportResult result = quillet::ImportDataFile(*json, to.u8string(), *MakeHostTextCodec());
  if (!result.error.empty()) {
    std::fprintf(stderr, "quillet-data: %s: %s\n", source.c_str(), result.error.c_str());
    return 1;
  }
  if (!ReplaceHostFile(to, result.bytes)) {
    std::fprintf(stderr, "quillet-data: cannot write %s\n", to.u8string().c_str());
    return 1;
  }
  return 0;
}

int Convert(quillet::LunarCommandOutput (*command)(const std::vector<std::string>&), const Arguments& arguments) {
  std::vector<std::string> words;
  for (auto word = arguments.begin() + 1; word != arguments.end(); ++word) words.push_back(word->u8string());
  const quillet::LunarCommandOutput output = command(words);
  Write(output.out, stdout);
  Write(output.err, stderr);
  if (output.exitCode == 2) PrintUsage();
  return output.exitCode;
}

int Holidays(const std::filesystem::path& word) {
  const std::string text = word.u8string();
  const std::optional<int> year = quillet::ParseHolidayYear(text);
  if (!year) {
    std::fprintf(stderr, "quillet-data holidays: not a year from %d to %d: \"%s\"\n", quillet::kFirstLunarYear,
                 quillet::kLastLunarYear, text.c_str());
    return 1;
  }
  Write(quillet::HolidaysJson(*year, *MakeHostTextCodec()), stdout);
  return 0;
}

int SkinCheck(const Arguments& arguments) {
  const auto clock = MakeHostClock();
  const auto codec = MakeHostTextCodec();
  quillet::SkinCheckResult result;
  if (arguments.size() == 3 && arguments[1] == "--built-in") {
    result = quillet::CheckBuiltInSkin(arguments[2].u8string(), *clock, *codec);
  } else {
    const std::optional<std::string> bytes = quillet::ReadInputFile(arguments[1]);
    if (!bytes) {
      std::fprintf(stderr, "quillet-data: cannot read %s\n", arguments[1].u8string().c_str());
      return 1;
    }
    std::string folder = arguments[1].parent_path().u8string();
    if (!folder.empty()) folder += '/';
    result = quillet::CheckSkinFile(*bytes, folder, *clock, *codec);
  }
  Write(result.report, stdout);
  return result.warnings == 0 ? 0 : 1;
}

int Run(const Arguments& arguments) {
  if ((arguments.size() == 2 || arguments.size() == 3) && arguments[0] == "skin-check") return SkinCheck(arguments);
  if (arguments.size() == 2 && arguments[0] == "dump") return Dump(arguments[1]);
  if (arguments.size() == 3 && arguments[0] == "import") return Import(arguments[1], arguments[2]);
  if (arguments.size() == 2 && arguments[0] == "holidays") return Holidays(arguments[1]);
  if (!arguments.empty() && arguments[0] == "lunar") return Convert(&quillet::SolarToLunarCommand, arguments);
  if (!arguments.empty() && arguments[0] == "solar") return Convert(&quillet::LunarToSolarCommand, arguments);
  PrintUsage();
  return 2;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  return Run(Arguments(argv + 1, argv + argc));
}
#else
int main(int argc, char** argv) { return Run(Arguments(argv + 1, argv + argc)); }
#endif
