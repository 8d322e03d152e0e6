#include "schedule/ScheduleList.h"

#include <algorithm>

namespace quillet {

void ScheduleList::Admit(ScheduleRecord& record) {
  record.recordId = nextId_++;
  UpdateDerivedFields(record);
}

const ScheduleRecord& ScheduleList::Append(ScheduleRecord record) {
  Admit(record);
  records_.push_back(std::move(record));
  return records_.back();
}

bool ScheduleList::Replace(int recordId, ScheduleRecord record) {
  if (!Find(recordId)) return false;
  Store(recordId, std::move(record));
  return true;
}

const ScheduleRecord& ScheduleList::Store(int recordId, ScheduleRecord record) {
  ScheduleRecord* old = Find(recordId);
  if (!old) return Append(std::move(record));
  Admit(record);
  *old = std::move(record);
  return *old;
}

bool ScheduleList::Remove(int recordId) {
  const auto found = std::find_if(records_.begin(), records_.end(),
                                  [recordId](const ScheduleRecord& r) { return r.recordId == recordId; });
  if (found == records_.end()) return false;
  records_.erase(found);
  return true;
}

const ScheduleRecord* ScheduleList::Find(int recordId) const {
  for (const ScheduleRecord& record : records_) {
    if (record.recordId == recordId) return &record;
  }
  return nullptr;
}

ScheduleRecord* ScheduleList::Find(int recordId) {
  return const_cast<ScheduleRecord*>(static_cast<const ScheduleList*>(this)->Find(recordId));
}

const ScheduleRecord* ScheduleList::FindByMemo(const std::string& memoId) const {
  if (memoId.empty()) return nullptr;
  for (const ScheduleRecord& record : records_) {
    if (record.memoId == memoId) return &record;
  }
  return nullptr;
}

}  // namespace quillet
