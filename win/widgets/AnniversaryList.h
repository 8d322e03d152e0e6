#pragma once

#include <string>
#include <vector>

#include "calendar/DayInfoStore.h"
#include "platform/WinApi.h"

namespace quillet::win {

constexpr const char* kAnniversaryLoadFailedMessage = "기념일 정보를 정상적으로 가져오지 못하였습니다.";
constexpr const char* kAnniversarySaveFailedMessage = "기념일 정보를 정상적으로 저장하지 못하였습니다.";

// The calendar's anniversaries: read once when the calendar is made, then kept in memory with
// their identifiers and written whole after every change. A failed write keeps the change in
// memory and says so; a file that could not be read is never written over.
class AnniversaryList {
 public:
  AnniversaryList(FileSystem& files, const Clock& clock, std::string path) : store_(files, clock, std::move(path)) {}

  // Says (to `owner`) when the file is there but cannot be read.
  void Load(HWND owner);
  const std::vector<DayInfoRecord>& entries() const { return entries_; }
  const DayInfoRecord* Find(int identifier) const;

  // Each writes the file and tells whether the list changed: false, with the message shown, for
  // an entry the file cannot hold. A file that could not be written is said too, but the change
  // stays in memory for the next write.
  bool Add(HWND owner, DayInfoRecord entry);
  // Nothing happens when the entry is gone.
  bool Replace(HWND owner, int identifier, DayInfoRecord entry);
  bool Remove(HWND owner, int identifier);

 private:
  bool Write(HWND owner, std::vector<DayInfoRecord> before);

  DayInfoStore store_;
  std::vector<DayInfoRecord> entries_;
};

}  // namespace quillet::win
