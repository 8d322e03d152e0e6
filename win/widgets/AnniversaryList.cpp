#include "widgets/AnniversaryList.h"

#include <algorithm>

#include "framework/ProgramMessageBox.h"

namespace quillet::win {

namespace {

constexpr const char* kNoNameMessage = "정보가 없습니다";
constexpr const char* kSavedElsewhereMessage = "기념일 정보를 원래 파일에 저장할 수 없어 다음 파일에 저장했습니다: %s";

}  // namespace

void AnniversaryList::Load(HWND owner) {
  entries_.clear();
  if (store_.Read(entries_).status == DayInfoReadStatus::Unreadable) {
    ShowProgramMessage(owner, kAnniversaryLoadFailedMessage);
  }
}

const DayInfoRecord* AnniversaryList::Find(int identifier) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [identifier](const DayInfoRecord& entry) { return entry.identifier == identifier; });
  return found == entries_.end() ? nullptr : &*found;
}

// A name the file cannot hold is refused before the list changes: the next read would drop it.
bool AnniversaryList::Add(HWND owner, DayInfoRecord entry) {
  if (!IsStorableDayInfoName(entry.name)) {
    ShowProgramMessage(owner, kNoNameMessage);
    return false;
  }
  std::vector<DayInfoRecord> before = entries_;
  entry.identifier = NextDayInfoIdentifier(entries_);
  entries_.push_back(std::move(entry));
  return Write(owner, std::move(before));
}

bool AnniversaryList::Replace(HWND owner, int identifier, DayInfoRecord entry) {
  if (!IsStorableDayInfoName(entry.name)) {
    ShowProgramMessage(owner, kNoNameMessage);
    return false;
  }
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [identifier](const DayInfoRecord& kept) { return kept.identifier == identifier; });
  if (found == entries_.end()) return false;
  std::vector<DayInfoRecord> before = entries_;
  entry.identifier = identifier;
  *found = std::move(entry);
  return Write(owner, std::move(before));
}

bool AnniversaryList::Remove(HWND owner, int identifier) {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [identifier](const DayInfoRecord& kept) { return kept.identifier == identifier; });
  if (found == entries_.end()) return false;
  std::vector<DayInfoRecord> before = entries_;
  entries_.erase(found);
  return Write(owner, std::move(before));
}

// A list the file cannot hold (an entry that would not read back) goes back to `before`; a file
// that cannot be written keeps the change in memory for the next write.
bool AnniversaryList::Write(HWND owner, std::vector<DayInfoRecord> before) {
  const DayInfoWriteResult written = store_.Write(entries_);
  switch (written.status) {
    case DayInfoWriteStatus::Saved:
      return true;
    case DayInfoWriteStatus::SavedElsewhere:
      if (written.unsaved.first) ShowProgramMessageAboutFile(owner, kSavedElsewhereMessage, written.unsaved.path);
      return true;
    case DayInfoWriteStatus::Refused:
      entries_ = std::move(before);
      ShowProgramMessage(owner, kAnniversarySaveFailedMessage);
      return false;
    case DayInfoWriteStatus::Failed:
      ShowProgramMessage(owner, kAnniversarySaveFailedMessage);
      return true;
  }
  return false;
}

}  // namespace quillet::win
