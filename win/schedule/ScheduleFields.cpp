#include "schedule/ScheduleFields.h"

#include <mmsystem.h>

#include "controls/FileBoxes.h"
#include "framework/Pictures.h"
#include "platform/Wide.h"
#include "resources/ScheduleResources.h"
#include "schedule/ScheduleEditing.h"
#include "schedule/TimePickerDialog.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

namespace {

// The speaker on the button's own face: its magenta shows the face.
HBITMAP SpeakerOnFace(HWND button) {
  const HBITMAP speaker = ProgramPicture(IDB_SPEAKER);
  if (!speaker) return nullptr;
  const SIZE size = PictureSize(speaker);
  const WindowDc screen(button);
  const HBITMAP face = CreateCompatibleBitmap(screen.Get(), size.cx, size.cy);
  const OwnedDc dc(CreateCompatibleDC(screen.Get()));
  const HGDIOBJ old = SelectObject(dc.Get(), face);
  const RECT all{0, 0, size.cx, size.cy};
  FillRect(dc.Get(), &all, GetSysColorBrush(COLOR_BTNFACE));
  DrawKeyedPicture(dc.Get(), speaker, 0, 0);
  SelectObject(dc.Get(), old);
  return face;
}

}  // namespace

std::string ControlText(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return NarrowToCp949(text);
}

void SetControlText(HWND control, const std::string& text) {
  SetWindowTextW(control, WidenCp949(text).c_str());
}

void AddComboItems(HWND combo, std::initializer_list<const char*> items) {
  for (const char* item : items) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WidenCp949(item).c_str()));
  }
}

void ScheduleFields::Attach(HWND dialog) {
  dialog_ = dialog;
  const HWND preview = Item(IDC_SOUND_PREVIEW);
  speaker_.Reset(SpeakerOnFace(preview));
  SendMessageW(preview, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(speaker_.Get()));
  tips_.Add(preview, "듣기");

  AddComboItems(Item(IDC_ALERT_STYLE),
                {"알리지 않음", "슬라이드로 알림", "팝업으로 알림", "팝업 후 자동 닫기", "포스트잇으로 알림"});
  const HWND images = Item(IDC_IMAGE);
  AddComboItems(images, {"표시없음"});
  for (const std::string& name : services_.settings.values().calendar.specialDays) {
    SendMessageW(images, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WidenCp949(name).c_str()));
  }
}

void ScheduleFields::Show(const ScheduleRecord& record) {
  SendMessageW(Item(IDC_ALERT_STYLE), CB_SETCURSEL, static_cast<WPARAM>(AlertItemFor(record.alertStyle)), 0);
  const HWND images = Item(IDC_IMAGE);
  if (SendMessageW(images, CB_SETCURSEL, static_cast<WPARAM>(record.imageIndex), 0) == CB_ERR) {
    SendMessageW(images, CB_SETCURSEL, 0, 0);
  }
  SetMode(record.timeMode);
  SetTime(record.hour, record.minute);
  CheckDlgButton(dialog_, IDC_DDAY, record.isDDay ? BST_CHECKED : BST_UNCHECKED);
  SetControlText(Item(IDC_SOUND), record.soundFile);
  SetControlText(Item(IDC_COMMAND), record.runCommand);
  SetControlText(Item(IDC_MESSAGE), record.message);
}

void ScheduleFields::SetTime(int hour, int minute) {
  hour_ = hour;
  minute_ = minute;
  SetControlText(Item(IDC_TIME_BUTTON), TimeButtonText(hour, minute));
}

TimeMode ScheduleFields::Mode() const {
  for (int mode = 0; mode <= IDC_TIME_MODE_LAST - IDC_TIME_MODE_FIRST; ++mode) {
    if (IsDlgButtonChecked(dialog_, IDC_TIME_MODE_FIRST + mode) == BST_CHECKED) return static_cast<TimeMode>(mode);
  }
  return TimeMode::AtTime;
}

void ScheduleFields::SetMode(TimeMode mode) {
  const int index = mode >= TimeMode::AtTime && mode <= TimeMode::AllDay ? static_cast<int>(mode) : 0;
  CheckRadioButton(dialog_, IDC_TIME_MODE_FIRST, IDC_TIME_MODE_LAST, IDC_TIME_MODE_FIRST + index);
}

int ScheduleFields::AlertItem() const {
  const auto item = static_cast<int>(SendMessageW(Item(IDC_ALERT_STYLE), CB_GETCURSEL, 0, 0));
  return item == CB_ERR ? AlertItemFor(AlertStyle::Slide) : item;
}

bool ScheduleFields::OnCommand(UINT id, UINT notification) {
  if (notification != BN_CLICKED) return false;
  switch (id) {
    case IDC_TIME_BUTTON:
      PickTime();
      return true;
    case IDC_SOUND_BROWSE:
      Browse(IDC_SOUND, "Wave Files(*.wav) ", L"*.wav");
      return true;
    case IDC_COMMAND_BROWSE:
      Browse(IDC_COMMAND, "All Files(*.*) ", L"*.*");
      return true;
    case IDC_SOUND_PREVIEW: {
      const std::string sound = ControlText(Item(IDC_SOUND));
      if (!sound.empty()) PlaySoundW(WidenCp949(sound).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
      return true;
    }
    default:
      return false;
  }
}

void ScheduleFields::PickTime() {
  const std::optional<PickedTime> picked = win::PickTime(dialog_, Item(IDC_TIME_BUTTON), hour_, minute_, services_.clock);
  if (!picked) return;
  SetTime(picked->hour, picked->minute);
  SetMode(TimeMode::AtTime);
  if (onTimePicked) onTimePicked();
}

void ScheduleFields::Browse(int field, const char* filterName, const wchar_t* pattern) {
  const std::optional<std::string> path =
      AskOpenPath(dialog_, FileBoxRequest{filterName, pattern, ControlText(Item(field))});
  if (path) SetControlText(Item(field), *path);
}

void ScheduleFields::ReadInto(ScheduleRecord& record) const {
  record.timeMode = Mode();
  record.hour = hour_;
  record.minute = minute_;
  record.soundFile = ControlText(Item(IDC_SOUND));
  record.runCommand = ControlText(Item(IDC_COMMAND));
  // The memo view stands in for the message of a memo schedule.
  if (GetWindowLongPtrW(Item(IDC_MESSAGE), GWL_STYLE) & WS_VISIBLE) record.message = ControlText(Item(IDC_MESSAGE));
  const auto image = static_cast<int>(SendMessageW(Item(IDC_IMAGE), CB_GETCURSEL, 0, 0));
  record.imageIndex = image == CB_ERR ? 0 : image;
  record.isDDay = IsDlgButtonChecked(dialog_, IDC_DDAY) == BST_CHECKED ? 1 : 0;
}

}  // namespace quillet::win
