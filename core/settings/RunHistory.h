#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// String values of one place (the registry section "HistoryRun"), which may be deleted.
class HistoryValues {
 public:
  virtual ~HistoryValues() = default;
  // Nothing read (missing or empty) gives "".
  virtual std::string Read(std::string_view name) const = 0;
  virtual void Write(std::string_view name, std::string_view value) = 0;
  // False when there was no such value.
  virtual bool Delete(std::string_view name) = 0;
};

// The run box's history: at most ten texts, newest first, kept as "Script0", "Script1", … with
// the box's text under "Script".
class RunHistory {
 public:
  static constexpr int kMaxEntries = 10;

  // "Script0", "Script1", … up to the first empty one or the tenth; `current` is "Script".
  void Load(const HistoryValues& values);
  // To the top and into the box; an older entry of exactly this text goes, and entries past the
  // tenth. An empty text changes nothing.
  void Add(std::string_view text);
  // The entries in order, higher indexes left from a longer history deleted (up to index 999),
  // and `current` as "Script".
  void Save(HistoryValues& values) const;
  // Empties the list and deletes "Script0", "Script1", … up to the first missing one, and "Script".
  void Clear(HistoryValues& values);

  const std::vector<std::string>& entries() const { return entries_; }
  // The box's text: what was last run, or "Script" as loaded.
  const std::string& current() const { return current_; }
  void SetCurrent(std::string_view text) { current_ = std::string(text); }

 private:
  std::vector<std::string> entries_;
  std::string current_;
};

}  // namespace quillet
