#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "schedule/ScheduleRecord.h"

namespace quillet {

// Every schedule of the program, in insertion order. Each record that enters the list gets a
// fresh identifier, unique while the program runs, by which editors find it again even when
// another dialog has removed records meanwhile.
class ScheduleList {
 public:
  // The record as stored, with its identifier and derived fields.
  const ScheduleRecord& Append(ScheduleRecord record);
  // The record with `recordId` takes the new contents and a new identifier; false when it is gone.
  bool Replace(int recordId, ScheduleRecord record);
  // An editor's OK: Replace, or Append when another window removed the record meanwhile, so that
  // nothing the user confirmed is lost.
  const ScheduleRecord& Store(int recordId, ScheduleRecord record);
  bool Remove(int recordId);
  // Every record `doomed` picks goes in one pass; the others keep their order. Returns how many.
  template <typename Predicate>
  std::size_t RemoveIf(Predicate doomed) {
    const auto end = std::remove_if(records_.begin(), records_.end(), doomed);
    const auto removed = static_cast<std::size_t>(records_.end() - end);
    records_.erase(end, records_.end());
    return removed;
  }
  void Clear() { records_.clear(); }

  const ScheduleRecord* Find(int recordId) const;
  ScheduleRecord* Find(int recordId);
  const ScheduleRecord* FindByMemo(const std::string& memoId) const;

  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  const std::vector<ScheduleRecord>& records() const { return records_; }
  // For the scheduler, which disarms fired records in place.
  std::vector<ScheduleRecord>& records() { return records_; }

 private:
  void Admit(ScheduleRecord& record);

  std::vector<ScheduleRecord> records_;
  int nextId_ = 0;
};

}  // namespace quillet
