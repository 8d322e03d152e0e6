#pragma once

#include <string>
#include <string_view>

namespace quillet {

class Clock;
class TextCodec;

struct SkinCheckResult {
  std::string report;
  int warnings = 0;
};

// A skin author's report: every section with its role, the measures and meters the engine
// builds, and a warning for each line, section, word, colour or picture the engine skips or
// cannot load. `folder` (UTF-8, with a trailing separator) is where the skin's own pictures are.
SkinCheckResult CheckSkinFile(std::string_view bytes, const std::string& folder, const Clock& clock,
                              const TextCodec& codec);
SkinCheckResult CheckBuiltInSkin(std::string_view name, const Clock& clock, const TextCodec& codec);

// The built-in skins the check knows by name.
extern const char* const kBuiltInSkinNames;

}  // namespace quillet
