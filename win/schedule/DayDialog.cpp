#include "schedule/DayDialog.h"

#include <array>

#include "calendar/DayViews.h"
#include "framework/Dialog.h"
#include "framework/Fonts.h"
#include "framework/Gdi.h"
#include "framework/OwnerDrawnButton.h"
#include "framework/Pictures.h"
#include "framework/Screen.h"
#include "platform/Wide.h"
#include "resources/CalendarResources.h"
#include "schedule/AlarmScheduler.h"
#include "schedule/AnniversaryPage.h"
#include "schedule/DayInfoPage.h"
#include "schedule/DaySchedulePage.h"
#include "widgets/AnniversaryList.h"

namespace quillet::win {

namespace {

constexpr COLORREF kLunarText = RGB(200, 0, 0);
constexpr COLORREF kLunarBackground = RGB(255, 255, 100);

// A page button: its picture's left half, or the right half while its page shows.
class PageButton final : public OwnerDrawnButton {
 public:
  explicit PageButton(int pictureId) : pictureId_(pictureId) {}
  void Select(bool selected) {
    selected_ = selected;
    Redraw();
  }

 private:
  void Draw(const DRAWITEMSTRUCT& item) const override {
    const RECT& area = item.rcItem;
    FillBackground(item.hDC, area);
    const HBITMAP picture = ProgramPicture(pictureId_);
    const SIZE size = picture ? PictureSize(picture) : SIZE{};
    if (picture && size.cx >= 2) {
      const int half = size.cx / 2;
      const OwnedDc sourceDc(CreateCompatibleDC(item.hDC));
      const HDC source = sourceDc.Get();
      const HGDIOBJ old = SelectObject(source, picture);
      const int x = area.left + (area.right - area.left - half) / 2;
      const int y = area.top + (area.bottom - area.top - size.cy) / 2;
      TransparentBlt(item.hDC, x, y, half, size.cy, source, selected_ ? half : 0, 0, half, size.cy,
                     kPictureTransparent);
      SelectObject(source, old);
      return;
    }
    RECT box = area;
    DrawEdge(item.hDC, &box, selected_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    wchar_t text[32] = {};
    GetWindowTextW(item.hwndItem, text, 32);
    SetBkMode(item.hDC, TRANSPARENT);
    DrawTextW(item.hDC, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

  int pictureId_;
  bool selected_ = false;
};

class DayDialog final : public Dialog {
 public:
  DayDialog(const DayDialogServices& services, const CivilDate& date, int wanted)
      : Dialog(IDD_DAY_DIALOG), services_(services), date_(date), wanted_(wanted) {}

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;

  void ShowPage(DayPage page);
  RECT PageArea() const;

  const DayDialogServices& services_;
  CivilDate date_;
  int wanted_;
  Font titleFont_;
  Brush lunarBrush_{CreateSolidBrush(kLunarBackground)};
  std::array<WindowPtr<PageButton>, 3> buttons_;
  WindowPtr<DayInfoPage> information_;
  WindowPtr<DaySchedulePage> schedule_;
  WindowPtr<AnniversaryPage> anniversary_;
};

RECT DayDialog::PageArea() const {
  RECT area{};
  GetWindowRect(Item(IDC_DAY_PAGE_AREA), &area);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

bool DayDialog::OnInit() {
  titleFont_ = MakeFont(KoreanFace(), -15, FW_BOLD);
  SendMessageW(Item(IDC_DAY_TITLE), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.Get()), FALSE);
  SetWindowTextW(Item(IDC_DAY_TITLE), WidenCp949(DayDialogTitle(date_)).c_str());
  SetWindowTextW(Item(IDC_DAY_LUNAR), WidenCp949(LunarLine(date_)).c_str());
  const int pictures[] = {IDB_DAY_PAGE_INFO, IDB_DAY_PAGE_SCHEDULE, IDB_DAY_PAGE_ANNIVERSARY};
  const int ids[] = {IDC_PAGE_INFO, IDC_PAGE_SCHEDULE, IDC_PAGE_ANNIVERSARY};
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i].reset(new PageButton(pictures[i]));
    buttons_[i]->Take(Item(ids[i]));
  }

  const RECT area = PageArea();
  information_ = DayInfoPage::Make(hwnd(), services_, date_,
                                   {[this](int identifier) {
                                      anniversary_->Begin(identifier);
                                      ShowPage(DayPage::Anniversary);
                                    },
                                    [this](int recordId) {
                                      schedule_->Begin(date_, recordId);
                                      ShowPage(DayPage::Schedule);
                                    }});
  const auto backToInformation = [this] {
    information_->Refill();
    ShowPage(DayPage::Information);
  };
  schedule_ = DaySchedulePage::Make(
      hwnd(), {services_.dialogs, [this](int recordId) { return services_.alarms.list().Find(recordId); },
               [this](ScheduleRecord record) { services_.alarms.Append(std::move(record)); },
               [this](int recordId, ScheduleRecord record) { return services_.alarms.Replace(recordId, std::move(record)); },
               backToInformation});
  anniversary_ = AnniversaryPage::Make(hwnd(), services_, date_, backToInformation);
  if (!information_ || !schedule_ || !anniversary_) {
    End(IDCANCEL);
    return false;
  }
  for (HWND page : {information_->hwnd(), schedule_->hwnd(), anniversary_->hwnd()}) {
    SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  schedule_->Begin(date_);
  ShowPage(DayDialogPage(wanted_, services_.anniversaries ? services_.anniversaries->entries()
                                                          : std::vector<DayInfoRecord>{},
                         services_.alarms.list(), date_));
  CentreOnCursorMonitor(hwnd(), HWND_TOPMOST);
  SetForegroundWindow(hwnd());
  return false;
}

void DayDialog::ShowPage(DayPage page) {
  const std::array<HWND, 3> pages{information_->hwnd(), schedule_->hwnd(), anniversary_->hwnd()};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const bool shown = static_cast<std::size_t>(page) == i;
    ShowWindow(pages[i], shown ? SW_SHOW : SW_HIDE);
    buttons_[i]->Select(shown);
  }
}

void DayDialog::OnCommand(UINT id, UINT notification) {
  if (notification != BN_CLICKED) return Dialog::OnCommand(id, notification);
  switch (id) {
    case IDC_PAGE_INFO:
      information_->Refill();
      return ShowPage(DayPage::Information);
    case IDC_PAGE_SCHEDULE:
      schedule_->Begin(date_);
      return ShowPage(DayPage::Schedule);
    case IDC_PAGE_ANNIVERSARY:
      anniversary_->Begin(-1);
      return ShowPage(DayPage::Anniversary);
    default:
      return Dialog::OnCommand(id, notification);
  }
}

bool DayDialog::OnMessage(const Message& message, LRESULT& result) {
  if (message.id == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(message.lParam) == Item(IDC_DAY_LUNAR)) {
    const HDC dc = reinterpret_cast<HDC>(message.wParam);
    SetTextColor(dc, kLunarText);
    SetBkColor(dc, kLunarBackground);
    result = reinterpret_cast<LRESULT>(lunarBrush_.Get());
    return true;
  }
  return false;
}

}  // namespace

void RunDayDialog(HWND owner, const DayDialogServices& services, const CivilDate& date, int wanted) {
  DayDialog dialog(services, date, wanted);
  dialog.RunModal(owner);
}

}  // namespace quillet::win
