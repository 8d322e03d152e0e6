#include "Fakes.h"

#include "time/Gregorian.h"

namespace quillet::testing {

std::int64_t FixedClock::UtcSeconds() const {
  const long long days = DaysSinceEpoch(CivilDate{now_.year, now_.month, now_.day});
  return days * 86400 + now_.hour * 3600 + now_.minute * 60 + now_.second - zone_.offsetSeconds;
}

std::string TinyCodec::Utf16ToCp949(std::u16string_view text) const {
  std::string out;
  for (char16_t c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c == 0xAC00) {
      out += "\xB0\xA1";
    } else {
      out.push_back('?');
    }
  }
  return out;
}

int MemorySettingsBackend::ReadInt(std::string_view section, std::string_view key, int fallback) const {
  const auto found = ints_.find({std::string(section), std::string(key)});
  return found == ints_.end() ? fallback : found->second;
}

std::string MemorySettingsBackend::ReadString(std::string_view section, std::string_view key,
                                              std::string_view fallback) const {
  const auto found = strings_.find({std::string(section), std::string(key)});
  return found == strings_.end() ? std::string(fallback) : found->second;
}

void MemorySettingsBackend::WriteInt(std::string_view section, std::string_view key, int value) {
  ints_[{std::string(section), std::string(key)}] = value;
}

void MemorySettingsBackend::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  strings_[{std::string(section), std::string(key)}] = std::string(value);
}

bool MemorySettingsBackend::Has(std::string_view section, std::string_view key) const {
  const Name name{std::string(section), std::string(key)};
  return ints_.count(name) || strings_.count(name);
}

}  // namespace quillet::testing
