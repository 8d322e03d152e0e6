#include "settings/RunHistory.h"

#include <algorithm>

namespace quillet {

namespace {

// Leftovers of a longer history are deleted one name after another; a bound keeps a backend
// that always answers "deleted" from looping for ever.
constexpr int kLastDeletedIndex = 999;

std::string EntryName(int index) { return "Script" + std::to_string(index); }

}  // namespace

void RunHistory::Load(const HistoryValues& values) {
  entries_.clear();
  for (int i = 0; i < kMaxEntries; ++i) {
    std::string text = values.Read(EntryName(i));
    if (text.empty()) break;
    entries_.push_back(std::move(text));
  }
  current_ = values.Read("Script");
}

void RunHistory::Add(std::string_view text) {
  if (text.empty()) return;
  const auto old = std::find(entries_.begin(), entries_.end(), text);
  if (old != entries_.end()) entries_.erase(old);
  entries_.insert(entries_.begin(), std::string(text));
  if (entries_.size() > static_cast<std::size_t>(kMaxEntries)) entries_.resize(kMaxEntries);
  current_ = std::string(text);
}

void RunHistory::Save(HistoryValues& values) const {
  const int count = static_cast<int>(entries_.size());
  for (int i = 0; i < count; ++i) values.Write(EntryName(i), entries_[i]);
  for (int i = count; i <= kLastDeletedIndex && values.Delete(EntryName(i)); ++i) {
  }
  values.Write("Script", current_);
}

void RunHistory::Clear(HistoryValues& values) {
  entries_.clear();
  current_.clear();
  for (int i = 0; i <= kLastDeletedIndex && values.Delete(EntryName(i)); ++i) {
  }
  values.Delete("Script");
}

}  // namespace quillet
