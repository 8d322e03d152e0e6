#include "memo/MemoWindow.h"

#include <cstdlib>

#include "framework/Dpi.h"
#include "memo/FormatBar.h"
#include "memo/MemoListStore.h"
#include "memo/MemoPainting.h"
#include "memo/MemoTimes.h"
#include "memo/PanelZOrder.h"
#include "memo/RtfStream.h"
#include "platform/Wide.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "resources/MemoResources.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"
#include "storage/DataFileKeeper.h"

namespace quillet::win {

namespace {

constexpr UINT_PTR kFlashTimer = 100;
constexpr UINT kFlashMilliseconds = 170;
constexpr int kFlashes = 5;

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

MemoWindow::MemoWindow(const MemoServices& services)
    : DesktopPanel(IDD_MEMO, PanelServices{services.settings.values().general, services.host}),
      services_(services),
      strip_(new TitleStrip(*this)) {
  editor_.reset(new MemoEditor(
      *this, MemoEditorServices{services.settings.values(),
                                [&store = services.settings] { return ReadMemoMacros(store.Active()); },
                                services.clock, services.files, services.openAddress}));
}

MemoWindow::~MemoWindow() = default;

const GeneralSettings& MemoWindow::general() const { return services_.settings.values().general; }

WindowPtr<MemoWindow> MemoWindow::CreateNew(const MemoServices& services, const Rect& place,
                                            const std::string& contentFile) {
  WindowPtr<MemoWindow> memo(new MemoWindow(services));
  memo->record_ = NewMemoRecord(memo->general());
  memo->record_.windowRect = place;
  memo->record_.expandedSize = Size{place.right - place.left, place.bottom - place.top};
  if (!memo->Create()) return nullptr;
  memo->ApplyZPosition(memo->general().memoZPosition);
  const LocalTime now = services.clock.Now();
  memo->record_.contentFile = contentFile;
  memo->record_.editTime = TimeText(now);
  memo->ApplyNewMemoFormat();
  const ColorSettings& color = services.settings.values().color;
  memo->SetColorIndex(color.randomColor ? std::rand() % kPaletteSize : memo->general().defaultColorType);
  memo->Layout();
  return memo;
}

WindowPtr<MemoWindow> MemoWindow::CreateFromRecord(const MemoServices& services, const MemoRecord& record) {
  WindowPtr<MemoWindow> memo(new MemoWindow(services));
  memo->record_ = record;
  memo->record_.windowRect = RepairedMemoRect(record.windowRect);
  if (!memo->Create()) return nullptr;
  memo->LoadContent();
  if (record.formatBarShown) memo->SetFormatBar(true);
  // Folding or unfolding places the window at the record's right edge and top.
  memo->Fold(record.expanded != 0, true);
  memo->SetBaseColor(record.paletteColor);
  memo->ScrollToRecordedLine();
  memo->ClearModified();
  return memo;
}

bool MemoWindow::OnInit() {
  DesktopPanel::OnInit();
  SetWindowTextW(hwnd(), L"");
  SetPanelAlpha(0, static_cast<BYTE>(general().maxTransVal), LWA_ALPHA);
  // Where and as large as the record says before the parts are made, so that the editor is laid
  // out once, at its size, and at the DPI of its monitor.
  const Rect& place = record_.windowRect;
  SetWindowPos(hwnd(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOZORDER | SWP_NOACTIVATE);

  dpi_ = WindowDpi(hwnd());
  const Size client = ClientSize();
  const MemoMeasures m = Measures();
  DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (general().scrollMode != ScrollMode::None) style |= WS_VSCROLL;
  const Rect editorRect = MemoEditorRect(client, MemoViewState{}, FoldedWidth(m), m);
  if (!editor_->Create(style, ToRECT(editorRect), hwnd(), IDC_MEMO_EDITOR)) return false;
  const LPARAM mask = SendMessageW(editor_->hwnd(), EM_GETEVENTMASK, 0, 0);
  SendMessageW(editor_->hwnd(), EM_SETEVENTMASK, 0, mask | ENM_LINK | ENM_SELCHANGE);
  SendMessageW(editor_->hwnd(), EM_HIDESELECTION, FALSE, 0);
  editor_->SetUrlDetection(true);
  editor_->SetZoomForDpi(dpi_);

  foldedButtons_.Add(IDC_MEMO_EXPAND, IDB_MEMO_EXPAND, "펼치기");
  foldedButtons_.Add(IDC_MEMO_TITLE, IDB_MEMO_TITLE, "타이틀 입력");
  foldedButtons_.SetDpi(hwnd(), m.dpi);
  if (strip_->Create(hwnd())) {
    strip_->SetDpi(m.dpi);
    SetWindowPos(strip_->hwnd(), nullptr, 0, 0, client.width, m.titleStrip, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(strip_->hwnd(), SW_SHOWNOACTIVATE);
  }
  SetMouseOverHidingEnabled(general().mouseOverHiding);
  return false;
}

BYTE MemoWindow::GetTargetAlpha() const {
  return static_cast<BYTE>(expanded() ? general().maxTransVal : general().minTransVal);
}

bool MemoWindow::IsMouseOverHiding() const { return general().mouseOverHiding; }

bool MemoWindow::TipOnSelection() const {
  const MemoTipMode mode = general().memoTipMode;
  return mode == MemoTipMode::Selected || mode == MemoTipMode::SelectedOrCtrlHover;
}

bool MemoWindow::SimpleView() const { return general().simpleMemoInactive && !active(); }

MemoViewState MemoWindow::ViewState() const {
  return MemoViewState{expanded(), record_.formatBarShown != 0, SimpleView(), general().viewEditTime};
}

Size MemoWindow::ClientSize() const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  return Size{client.right, client.bottom};
}

void MemoWindow::RecordScrollLine(int firstVisibleLine) {
  record_.scrollLine = firstVisibleLine;
  SetModified();
}

// --- colours, z-position --------------------------------------------------------------------

void MemoWindow::SetColorIndex(int index) {
  record_.colorType = ((index % kPaletteSize) + kPaletteSize) % kPaletteSize;
  SetBaseColor(PaletteColor(services_.settings.values().color.palette, record_.colorType));
}

void MemoWindow::SetBaseColor(Colorref base) {
  const MemoColors colors = ColorsFor(base, general().skinType == TitleBarStyle::Flat);
  record_.paletteColor = colors.base;
  record_.backColor = colors.title;
  ApplyColors(colors);
}

void MemoWindow::ApplyColors(const MemoColors& colors) {
  colors_ = colors;
  SendMessageW(editor_->hwnd(), EM_SETBKGNDCOLOR, 0, colors.title);
  strip_->SetColors(colors, general().skinType == TitleBarStyle::Flat);
  foldedButtons_.SetBackground(colors.base);
  if (formatBar_) formatBar_->SetBackground(colors.formatBar);
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MemoWindow::ApplyZPosition(ZPosition z) {
  record_.zPosition = static_cast<std::int32_t>(z);
  ApplyRecordedZPosition();
}

// The record keeps whatever number its list held.
void MemoWindow::ApplyRecordedZPosition() {
  const ZPosition z = ModeFromStored<ZPosition>(record_.zPosition);
  SetZPosition(z);
  strip_->SetPinned(z == ZPosition::AlwaysOnTop);
}

void MemoWindow::TogglePin() {
  const bool pinned = ModeFromStored<ZPosition>(record_.zPosition) == ZPosition::AlwaysOnTop;
  ApplyZPosition(pinned ? ZPosition::Normal : ZPosition::AlwaysOnTop);
  SetModified();
}

void MemoWindow::NextColor() {
  SetColorIndex(record_.colorType + 1);
  services_.settings.values().general.defaultColorType = record_.colorType;
  services_.settings.SaveGeneralKeys({"DefaultColorType"});
  SetModified();
}

// --- content --------------------------------------------------------------------------------

std::string MemoWindow::ContentPath() const {
  return ContentFilePath(general().dataFolder, record_.contentFile).value_or(std::string());
}

void MemoWindow::LoadContent() {
  const std::string path = ContentPath();
  if (path.empty() || editor_->LoadRtf(path)) return;
  // There but unreadable (locked, damaged): never written over, never deleted unasked.
  contentUnreadable_ = services_.files.FileExists(path);
  if (contentUnreadable_) editor_->SetEditable(false);
}

bool MemoWindow::SaveContent() {
  if (contentUnreadable_) return true;
  const std::string path = ContentPath();
  return !path.empty() && editor_->SaveRtf(path);
}

bool MemoWindow::SaveUnsavedCopy() const {
  if (contentUnreadable_ || !editor_->IsModified()) return true;
  const std::string path = ContentPath();
  const std::optional<std::string> rtf = StreamOutRtf(editor_->hwnd());
  return !path.empty() && rtf && WriteUnsavedCopy(services_.files, services_.clock, path, *rtf);
}

bool MemoWindow::ContentToSave(bool forced) {
  if (!editor_->IsModified()) return false;
  if (forced) return true;
  const int length = GetWindowTextLengthW(editor_->hwnd());
  if (length != 0 && length == rememberedLength_) {
    rememberedLength_ = 0;
    return true;
  }
  rememberedLength_ = length;
  return false;
}

void MemoWindow::ScrollToRecordedLine() {
  if (!general().restoreScrollPos || record_.scrollLine <= 0) return;
  SendMessageW(editor_->hwnd(), EM_LINESCROLL, 0, record_.scrollLine);
  const LRESULT start = SendMessageW(editor_->hwnd(), EM_LINEINDEX, static_cast<WPARAM>(record_.scrollLine), 0);
  if (start >= 0) SendMessageW(editor_->hwnd(), EM_SETSEL, static_cast<WPARAM>(start), start);
}

// The character format a new memo starts with, from the settings.
void MemoWindow::ApplyNewMemoFormat() {
  SelectionFormat format = editor_->Selection();
  const GeneralSettings& g = general();
  if (!g.fontName.empty()) format.SetFace(g.fontName);
  if (g.textSize > 0) format.SetSize(g.textSize);
  format.SetColor(g.textColor.value);
  if (g.bold != format.Bold()) format.ToggleBold();
  if (g.italic != format.Italic()) format.ToggleItalic();
  if (g.underLine != format.Underline()) format.ToggleUnderline();
}

// --- flash ----------------------------------------------------------------------------------

void MemoWindow::Flash(bool expandFirst) {
  if (!expanded() && expandFirst) Fold(true, true);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  flashCount_ = 0;
  StartTimer(kFlashTimer, kFlashMilliseconds);
}

// Five ticks in turn draw the memo in a substitute for its title colour ("SkinType" on) or its
// base colour; the last puts its own colours back.
void MemoWindow::FlashStep() {
  if (flashCount_ >= kFlashes) {
    StopTimer(kFlashTimer);
    ApplyColors(ColorsFor(record_.paletteColor, general().skinType == TitleBarStyle::Flat));
    return;
  }
  const Colorref substitute = kFlashColors[flashCount_ % 2];
  MemoColors colors = ColorsFor(record_.paletteColor, general().skinType == TitleBarStyle::Flat);
  if (general().skinType == TitleBarStyle::Flat) {
    colors.title = substitute;
    colors.buttons = substitute;
  } else {
    colors = ColorsFor(substitute, false);
  }
  ApplyColors(colors);
  UpdateWindow(hwnd());
  ++flashCount_;
}

// --- messages -------------------------------------------------------------------------------

bool MemoWindow::OnMessage(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_NCHITTEST:
      result = HitTest(message);
      return true;
    case WM_NCLBUTTONDBLCLK:
      OnDoubleClick(message);
      return true;
    case WM_NCLBUTTONDOWN: {
      if (TipOnSelection()) services_.host.ShowMemoTip(*this);
      return DesktopPanel::OnMessage(message, result);
    }
    case WM_NCRBUTTONDOWN:
      ShowMemoMenu(POINT{message.X(), message.Y()});
      return true;
    case WM_MOUSELEAVE: {
      int clicked = 0;
      foldedButtons_.OnMouse(hwnd(), message, clicked);
      services_.host.HideMemoTip();
      return false;
    }
    case WM_NCMOUSELEAVE:
      services_.host.HideMemoTip();
      return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: {
      int clicked = 0;
      if (foldedButtons_.OnMouse(hwnd(), message, clicked)) {
        if (clicked) OnCommand(static_cast<UINT>(clicked), BN_CLICKED);
        return true;
      }
      if (message.id != WM_MOUSEMOVE || GetFocus() == editor_->hwnd()) return false;
      return DesktopPanel::OnMessage(message, result);
    }
    case WM_GETMINMAXINFO:
      if (expanded()) {
        auto* info = reinterpret_cast<MINMAXINFO*>(message.lParam);
        const Size minimum = Measures().minimum;
        info->ptMinTrackSize = POINT{minimum.width, minimum.height};
      }
      return true;
    case WM_SIZE:
      if (!editor_->hwnd()) return true;  // OnInit lays the parts out as it makes them
      RecordWindowRect();
      if (expanded()) {
        const Rect& r = record_.windowRect;
        record_.expandedSize = Size{r.right - r.left, r.bottom - r.top};
      }
      Layout();
      SetModified();
      return true;
    case WM_MOVE:
      RecordWindowRect();
      SetModified();
      if (!expanded()) services_.host.FoldedMemoMoved(*this);
      return true;
    case WM_SETFOCUS:
      // The dialog's own answer would select the whole text of a memo that never had the focus;
      // a folded memo keeps it, so that keys never reach a hidden editor.
      if (IsWindowVisible(editor_->hwnd())) SetFocus(editor_->hwnd());
      return true;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(message.wParam), *reinterpret_cast<const RECT*>(message.lParam));
      return true;
    case WM_ERASEBKGND:
      result = TRUE;
      return true;
    case WM_PAINT: {
      PaintDc paint(hwnd());
      const TitleFont titleFont = ParseTitleFont(record_.titleFont);
      MemoPicture picture;
      picture.measures = Measures();
      const Font font = MakeTitleFont(titleFont, picture.measures.dpi);
      const Font simpleFont = MakeTitleFont(titleFont, picture.measures.dpi, 13);
      picture.client = ClientSize();
      picture.expanded = expanded();
      picture.simple = SimpleView();
      picture.skinType = general().skinType == TitleBarStyle::Flat;
      picture.viewEditTime = general().viewEditTime;
      picture.colors = colors_;
      picture.title = WidenCp949(record_.title);
      picture.editTime = WidenCp949(record_.editTime);
      picture.titleFont = font.Get();
      picture.simpleTitleFont = simpleFont.Get();
      picture.titleColor = titleFont.color;
      picture.editTimeFont = services_.editTimeFont;
      picture.editTimeColor = general().inactiveTitleCol.value;
      PaintMemo(paint.Get(), picture);
      foldedButtons_.Paint(paint.Get());
      return true;
    }
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(message.lParam), result);
      return true;
    case WM_TIMER:
      if (message.TimerId() != kFlashTimer) return DesktopPanel::OnMessage(message, result);
      FlashStep();
      return true;
    default:
      return DesktopPanel::OnMessage(message, result);
  }
}

}  // namespace quillet::win
