#pragma once

#include <string>
#include <vector>

namespace quillet {

struct LunarDate;

// What a command prints and the status it exits with: 0 done, 1 the date has no conversion,
// 2 the arguments cannot be read (the caller adds the usage text).
struct LunarCommandOutput {
  int exitCode = 0;
  std::string out;
  std::string err;
};

// `quillet-data lunar YYYY-MM-DD [HH]`: a solar date to its lunar date. `arguments` are those
// after the command word.
LunarCommandOutput SolarToLunarCommand(const std::vector<std::string>& arguments);
// `quillet-data solar YYYY-MM-DD [leap] [HH]`: a lunar date to its solar date.
LunarCommandOutput LunarToSolarCommand(const std::vector<std::string>& arguments);

// The usage lines of both commands, for the tool's usage text.
extern const char* const kLunarCommandsUsage;

// One JSON object line with every field of the result.
std::string LunarDateJson(const LunarDate& date);

}  // namespace quillet
