#pragma once

#include <map>
#include <string>

#include "ports/Clock.h"
#include "ports/TextCodec.h"
#include "settings/SettingsBackend.h"

namespace quillet::testing {

// A clock stopped at one moment, in a zone of the test's choosing (Korea's by default).
class FixedClock final : public Clock {
 public:
  explicit FixedClock(LocalTime now = LocalTime{2026, 12, 8, 9, 30, 15, 250, 2}, ZoneState zone = ZoneState{9 * 3600})
      : now_(now), zone_(zone) {}
  LocalTime Now() const override { return now_; }
  std::int64_t UtcSeconds() const override;
  ZoneState Zone() const override { return zone_; }

 private:
  LocalTime now_;
  ZoneState zone_;
};

// Enough of a codec for the readers: ASCII passes, "가" (U+AC00) maps to its CP949 bytes,
// everything else becomes '?'. The real codecs have tests of their own.
class TinyCodec final : public TextCodec {
 public:
  std::string Utf16ToCp949(std::u16string_view text) const override;
  std::string Cp949ToUtf8(std::string_view text) const override { return std::string(text); }
};

// The registry as the profile functions see it, in memory.
class MemorySettingsBackend final : public SettingsBackend {
 public:
  int ReadInt(std::string_view section, std::string_view key, int fallback) const override;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const override;
  void WriteInt(std::string_view section, std::string_view key, int value) override;
  void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

  bool Has(std::string_view section, std::string_view key) const;
  bool empty() const { return ints_.empty() && strings_.empty(); }

 private:
  using Name = std::pair<std::string, std::string>;
  std::map<Name, int> ints_;
  std::map<Name, std::string> strings_;
};

}  // namespace quillet::testing
