#include "schedule/FireDecision.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "settings/Settings.h"

namespace quillet {

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGrey{60, 60, 60};
constexpr Rgb kSoftBlue{90, 100, 255};

std::string Format(const char* format, int value) {
  char text[128];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

NotificationRequest OnTimeNotice(const ScheduleRecord& r, const FireSettings& settings) {
  NotificationRequest notice;
  notice.style = r.alertStyle;
  const bool staysOpen = r.alertStyle == AlertStyle::Popup || r.alertStyle == AlertStyle::PostIt;
  notice.autoCloseMilliseconds = staysOpen ? kStaysOpen : DelayMilliseconds(settings.autoCloseSeconds);
  char title[128];
  std::snprintf(title, sizeof title, "[일 정]   %d/%02d/%02d %02d:%02d", r.year, r.month, r.day, r.hour, r.minute);
  notice.title = title;
  notice.body = r.message;
  if (r.alertStyle == AlertStyle::PostIt) {
    notice.titleColor = kGrey;
    notice.bodyColor = kBlue;
  } else {
    notice.titleColor = kSoftBlue;
    notice.bodyColor = kGrey;
  }
  return notice;
}

NotificationRequest WarningNotice(const ScheduleRecord& r, const FireSettings& settings) {
  NotificationRequest notice;
  notice.style = settings.warningStyle;
  notice.autoCloseMilliseconds = DelayMilliseconds(settings.autoCloseSeconds);
  notice.title = LeadText(r.leadMinutes);
  notice.body = r.message;
  notice.titleColor = kRed;
  notice.bodyColor = kBlue;
  return notice;
}

}  // namespace

int DelayMilliseconds(int seconds) {
  return static_cast<int>(std::clamp(seconds * 1000LL, 0LL, static_cast<long long>(INT_MAX)));
}

bool ShowsNotification(AlertStyle style) {
  return style == AlertStyle::Slide || style == AlertStyle::Popup || style == AlertStyle::PopupAutoClose ||
         style == AlertStyle::PostIt;
}

FireSettings FireSettingsFrom(const Settings& settings) {
  FireSettings fire;
  fire.autoCloseSeconds = settings.alarm.autoCloseTime;
  fire.warningStyle = static_cast<AlertStyle>(settings.alarm.beforeAlarmType);
  fire.clockViewMode = settings.clock.viewMode;
  fire.clockShowSeconds = settings.general.hotKeyClockViewTime;
  return fire;
}

FireDecision DecideFiring(const ScheduleRecord& record, FireKind kind, const FireSettings& settings) {
  FireDecision decision;
  if (record.alertStyle != AlertStyle::None && settings.clockViewMode != ClockViewMode::Always) {
    decision.showClockMilliseconds = DelayMilliseconds(settings.clockShowSeconds);
  }
  const auto notice = [&](const ScheduleRecord& shown) -> std::optional<NotificationRequest> {
    NotificationRequest request =
        kind == FireKind::Warning ? WarningNotice(shown, settings) : OnTimeNotice(shown, settings);
    if (!ShowsNotification(request.style)) return std::nullopt;
    return request;
  };
  if (!record.memoId.empty()) {
    decision.memoToFlash = record.memoId;
    ScheduleRecord withoutMemo = record;
    withoutMemo.message = kMissingMemoBody;
    decision.notificationWithoutMemo = notice(withoutMemo);
  } else if (!record.message.empty()) {
    decision.notification = notice(record);
  }
  decision.soundFile = record.soundFile;
  decision.runCommand = record.runCommand;
  return decision;
}

std::string LeadText(std::int32_t lead) {
  if (lead == 10080) return "일정 일주일 전 입니다.";
  if (lead == 1440) return "일정 하루 전 입니다.";
  if (lead >= 60) return Format("일정 [%d] 시간 전 입니다.", lead / 60);
  if (lead >= 1) return Format("일정 [%d] 분 전 입니다.", lead);
  if (lead <= -1440) return "일정이 하루 지났습니다.";
  if (lead <= -60) return Format("일정 [%d] 시간 지났습니다.", -lead / 60);
  if (lead <= -1) return Format("일정 [%d] 분 지났습니다.", -lead);
  return {};
}

}  // namespace quillet
