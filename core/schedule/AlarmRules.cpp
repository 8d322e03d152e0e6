#include "schedule/AlarmRules.h"

#include <unordered_map>

namespace quillet {

namespace {

constexpr int kMinutesInDay = 1440;

bool WeekdayBitSet(std::int32_t dayPattern, const CivilDate& date) {
  return (dayPattern >> WeekdayOf(date)) & 1;
}

std::int64_t StartCode(const ScheduleRecord& r) { return DateCode(r.year, r.month, r.day); }

bool InPeriod(const ScheduleRecord& r, std::int64_t code) { return StartCode(r) <= code && code <= r.endDateCode; }

bool IsToday(const ScheduleRecord& r, const CivilDate& date) {
  return r.year == date.year && r.month == date.month && r.day == date.day;
}

// Daily and Once warn at minuteOfDay − L of any day, but never at midnight.
bool DailyLeadDue(const ScheduleRecord& r, int minuteOfDay) {
  if (r.leadMinutes == 0) return false;
  const long long at = ((static_cast<long long>(r.minuteOfDay) - r.leadMinutes) % kMinutesInDay + kMinutesInDay) %
                       kMinutesInDay;
  return at != 0 && at == minuteOfDay;
}

// A timed OnDate schedule still armed whose minute is `last` or earlier.
bool ArmedOnDateBy(const ScheduleRecord& r, std::int64_t last) {
  return !r.IsAllDay() && r.recurrence == Recurrence::OnDate && r.enabled && r.minuteStamp <= last;
}

// Walks the list; `decide(record, disarm)` says whether the record fires on time and sets
// `disarm` when it is to be disarmed.
template <class Decide>
AlarmCheckResult FireOnTime(ScheduleList& list, Decide decide) {
  AlarmCheckResult result;
  for (ScheduleRecord& r : list.records()) {
    bool disarm = false;
    if (!decide(r, disarm)) continue;
    if (disarm) {
      r.enabled = 0;
      result.saveList = true;
    }
    result.firings.push_back({r.recordId, FireKind::OnTime});
  }
  result.refreshViews = !result.firings.empty();
  return result;
}

class MinuteCheck {
 public:
  explicit MinuteCheck(const LocalMinute& now) : now_(now), stamp_(now.Stamp()), code_(now.Code()) {}

  // Returns whether to fire and how; disarms as it goes.
  bool Examine(ScheduleRecord& r, FireKind& kind, bool& disarmed) const {
    const int q = now_.MinuteOfDay();
    kind = FireKind::OnTime;
    disarmed = false;
    switch (r.recurrence) {
      case Recurrence::Daily:
        if (r.minuteOfDay == q) return true;
        return Warn(kind, DailyLeadDue(r, q));
      case Recurrence::Once:
        if (!r.enabled) return false;
        if (r.minuteOfDay == q) return Disarm(r, disarmed);
        return Warn(kind, DailyLeadDue(r, q));
      case Recurrence::OnDate:
        if (!r.enabled) return false;
        if (r.leadMinutes != 0 && Ahead(r).Stamp() == r.minuteStamp) return Warn(kind, true);
        if (r.minuteStamp == stamp_) return Disarm(r, disarmed);
        return false;
      case Recurrence::Weekdays:
        if (r.minuteOfDay == q && WeekdayBitSet(r.dayPattern, now_.date)) return true;
        if (r.leadMinutes == 0) return false;
        return Warn(kind, AheadMatches(r) && WeekdayBitSet(r.dayPattern, Ahead(r).date));
      case Recurrence::Period:
        if (r.minuteOfDay == q && InPeriod(r, code_)) return true;
        if (r.leadMinutes == 0) return false;
        return Warn(kind, AheadMatches(r) && InPeriod(r, Ahead(r).Code()));
      case Recurrence::MonthDay:
        if (r.leadMinutes != 0 && AheadMatches(r) && IsMonthDay(r.dayPattern, Ahead(r).date)) return Warn(kind, true);
        return r.minuteOfDay == q && IsMonthDay(r.dayPattern, now_.date);
    }
    return false;
  }

 private:
  // The warning instant: now plus the lead. Leads take few values, so each is computed once.
  const LocalMinute& Ahead(const ScheduleRecord& r) const {
    const auto found = ahead_.find(r.leadMinutes);
    if (found != ahead_.end()) return found->second;
    return ahead_.emplace(r.leadMinutes, AddMinutes(now_, r.leadMinutes)).first->second;
  }
  bool AheadMatches(const ScheduleRecord& r) const { return Ahead(r).MinuteOfDay() == r.minuteOfDay; }
  static bool Warn(FireKind& kind, bool due) {
    if (due) kind = FireKind::Warning;
    return due;
  }
  static bool Disarm(ScheduleRecord& r, bool& disarmed) {
    r.enabled = 0;
    disarmed = true;
    return true;
  }

  LocalMinute now_;
  std::int64_t stamp_;
  std::int64_t code_;
  mutable std::unordered_map<std::int32_t, LocalMinute> ahead_;
};

}  // namespace

bool IsMonthDay(std::int32_t dayPattern, const CivilDate& date) {
  return date.day == dayPattern || (dayPattern == kLastDayOfMonth && date.day == DaysInMonth(date.year, date.month));
}

AlarmCheckResult CheckMinute(ScheduleList& list, const LocalMinute& now, int aboveRecordId) {
  AlarmCheckResult result;
  const MinuteCheck check(now);
  for (ScheduleRecord& record : list.records()) {
    if (record.IsAllDay() || record.recordId <= aboveRecordId) continue;
    FireKind kind;
    bool disarmed;
    if (!check.Examine(record, kind, disarmed)) continue;
    result.firings.push_back({record.recordId, kind});
    result.saveList = result.saveList || disarmed;
    result.refreshViews = result.refreshViews || kind == FireKind::OnTime;
  }
  result.refreshViews = result.refreshViews || result.saveList;
  return result;
}

AlarmCheckResult CheckAtStartUp(ScheduleList& list, const LocalMinute& now) {
  const CivilDate& today = now.date;
  const std::int64_t stamp = now.Stamp();
  return FireOnTime(list, [&](const ScheduleRecord& r, bool& disarm) {
    if (!r.IsAllDay()) return disarm = ArmedOnDateBy(r, stamp);
    switch (r.recurrence) {
      case Recurrence::Daily: return IsToday(r, today);
      case Recurrence::Once:
      case Recurrence::OnDate: return disarm = r.enabled && IsToday(r, today);
      case Recurrence::Weekdays: return WeekdayBitSet(r.dayPattern, today);
      case Recurrence::MonthDay: return IsMonthDay(r.dayPattern, today);
      case Recurrence::Period: return InPeriod(r, now.Code());
    }
    return false;
  });
}

AlarmCheckResult CheckPassedOnDates(ScheduleList& list, const LocalMinute& now) {
  const std::int64_t before = now.Stamp() - 1;
  return FireOnTime(list, [&](const ScheduleRecord& r, bool& disarm) { return disarm = ArmedOnDateBy(r, before); });
}

int PurgeExpired(ScheduleList& list, const LocalMinute& now) {
  const std::int64_t stamp = now.Stamp();
  const std::int64_t code = now.Code();
  const auto expired = [&](const ScheduleRecord& r) {
    switch (r.recurrence) {
      case Recurrence::OnDate: return r.minuteStamp <= stamp && !r.isDDay;
      case Recurrence::Once: return !r.enabled;
      case Recurrence::Period: return r.endDateCode <= code;
      default: return false;
    }
  };
  return static_cast<int>(list.RemoveIf(expired));
}

bool BelongsToDay(const ScheduleRecord& r, const CivilDate& date) {
  switch (r.recurrence) {
    case Recurrence::Daily: return true;
    case Recurrence::Once: return false;
    case Recurrence::OnDate: return IsToday(r, date);
    case Recurrence::Weekdays: return WeekdayBitSet(r.dayPattern, date);
    case Recurrence::Period: return InPeriod(r, DateCodeOf(date));
    case Recurrence::MonthDay: return IsMonthDay(r.dayPattern, date);
  }
  return false;
}

}  // namespace quillet
