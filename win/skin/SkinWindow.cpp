#include "skin/SkinWindow.h"

#include <algorithm>

#include "framework/Dpi.h"
#include "framework/GdiPlusApi.h"
#include "framework/Keys.h"
#include "framework/Menus.h"
#include "framework/ProgramMessageBox.h"
#include "memo/PanelZOrder.h"
#include "platform/SystemInfo.h"
#include "ports/FileSystem.h"
#include "resources/WidgetResources.h"
#include "resources/resource.h"
#include "skin/BuiltInSkins.h"
#include "skin/GdiPlusCanvas.h"
#include "skin/GdiPlusImageLoader.h"
#include "skin/LayeredSurface.h"
#include "skin/Meters.h"
#include "skin/SkinEditorDialog.h"
#include "skin/SkinInfoWindow.h"
#include "skin/WidgetMenu.h"
#include "storage/Paths.h"

namespace quillet::win {

namespace {

constexpr const char* kCannotEditMessage = "현재 Skin은 수정할 수 없습니다.";
constexpr const char* kCannotCopyMessage = "Skin 파일을 사용자 폴더에 복사하지 못하여 수정할 수 없습니다.";

}  // namespace

SkinWindow::SkinWindow(const SkinWindowServices& services, std::string skinRoot)
    : SkinWindow(IDD_SKIN_WINDOW, IDR_SKIN_MENU, services, std::move(skinRoot)) {}

SkinWindow::SkinWindow(int templateId, int menuId, const SkinWindowServices& services, std::string skinRoot)
    : DesktopPanel(templateId, services.panel),
      menuId_(menuId),
      services_(services),
      skinRoot_(std::move(skinRoot)),
      editedRoot_(EditedSkinRoot(skinRoot_, services.programFolder, services.userFilesFolder)),
      images_(std::make_unique<GdiPlusImageLoader>(services.files)) {}

// The canvas draws on the surface's bitmap, so it goes first.
SkinWindow::~SkinWindow() {
  canvas_.reset();
  skinPixels_.reset();
  surface_.reset();
}

Size SkinWindow::size() const { return Size{AtDpi(width_, dpi_), AtDpi(height_, dpi_)}; }

int SkinWindow::ToSkinLength(int pixels) const {
  const long long scaled = static_cast<long long>(pixels) * kBaseDpi;
  return static_cast<int>(scaled >= 0 ? scaled / dpi_ : -((-scaled + dpi_ - 1) / dpi_));
}

POINT SkinWindow::ToSkin(POINT client) const { return POINT{ToSkinLength(client.x), ToSkinLength(client.y)}; }

RECT SkinWindow::FromSkin(RECT skin) const {
  return RECT{AtDpi(skin.left, dpi_), AtDpi(skin.top, dpi_), AtDpi(skin.right, dpi_), AtDpi(skin.bottom, dpi_)};
}

POINT SkinWindow::CursorInSkin() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(hwnd(), &cursor);
  return ToSkin(cursor);
}

bool SkinWindow::Create(Point position, const std::string& skinPath, ZPosition zPosition, BYTE alpha) {
  alpha_ = alpha;
  shownAlpha_ = alpha_;
  if (!DesktopPanel::Create()) return false;
  SetWindowPos(hwnd(), nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  LoadSkin(skinPath);
  SetZPosition(zPosition);
  return true;
}

bool SkinWindow::OnInit() {
  DesktopPanel::OnInit();
  dpi_ = WindowDpi(hwnd());
  return false;
}

void SkinWindow::LoadSkin(const std::string& path) {
  chosenSkin_ = path;
  if (path.empty()) {
    BuildDefaultSkin();
    return;
  }
  std::string bytes;
  SkinFile file;
  if (services_.files.ReadFile(path, bytes) == ReadOutcome::Ok) file.LoadFromFileBytes(bytes);
  if (bytes.empty() || !Build(file, std::string(FolderPart(path)), std::nullopt)) {
    BuildDefaultSkin();  // the choice stays: the user may mend the file
    return;
  }
  loadedSkin_ = path;
}

void SkinWindow::LoadDefaultSkin() {
  chosenSkin_.clear();
  BuildDefaultSkin();
}

void SkinWindow::BuildDefaultSkin() { BuildFromText(kNoSkinText, kNoSkinBackground); }

void SkinWindow::BuildFromText(const std::string& text, int backgroundResource) {
  SkinFile file;
  file.LoadFromText(text);
  BuildFromSkinFile(file, backgroundResource);
}

void SkinWindow::BuildFromSkinFile(const SkinFile& file, int backgroundResource) {
  Build(file, "", backgroundResource);
}

bool SkinWindow::Build(const SkinFile& file, const std::string& folder, std::optional<int> backgroundResource) {
  loadedSkin_.clear();
  canvas_.reset();
  surface_.reset();
  skin_.reset();
  SkinBuildContext context{*images_, services_.clock, folder, backgroundResource, updateInterval_, CalendarData()};
  context.todaySchedule = TodayData();
  context.launcherItems = LauncherData();
  std::optional<BuiltSkin> built = BuildSkin(file, context);
  if (!built) return false;
  skin_ = std::move(built);
  if (!MakeSurface(skin_->width, skin_->height)) {
    skin_.reset();
    return false;
  }
  updateInterval_ = skin_->updateInterval;
  layeredPending_ = true;

  RECT current{};
  GetWindowRect(hwnd(), &current);
  const Rect now{current.left, current.top, current.right, current.bottom};
  const Size shown = size();
  const Rect fitted = FitSkinWindow(now, Rect{now.left, now.top, now.left + shown.width, now.top + shown.height},
                                    Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                                    MonitorCount());
  SetWindowPos(hwnd(), nullptr, fitted.left, fitted.top, shown.width, shown.height, SWP_NOZORDER | SWP_NOACTIVATE);
  Redraw();
  return true;
}

// The canvas draws on the surface's bitmap, or at more than 96 DPI on the skin's own picture
// that the surface then shows scaled (pixel for pixel at 96): it goes before what it drew on.
bool SkinWindow::MakeSurface(int width, int height) {
  auto surface = std::make_unique<LayeredSurface>(AtDpi(width, dpi_), AtDpi(height, dpi_));
  if (!surface->Valid()) return false;
  std::unique_ptr<Gdiplus::Bitmap> pixels;
  if (dpi_ != kBaseDpi) {
    pixels = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
    if (pixels->GetLastStatus() != Gdiplus::Ok) return false;
  }
  canvas_.reset();
  skinPixels_ = std::move(pixels);
  surface_ = std::move(surface);
  canvas_ = std::make_unique<GdiPlusCanvas>(skinPixels_ ? *skinPixels_ : surface_->bitmap());
  width_ = width;
  height_ = height;
  return true;
}

// Dragged to a monitor of another scale: the skin is shown at the new one, where Windows puts it.
void SkinWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const int previous = dpi_;
  dpi_ = SaneDpi(dpi);
  if (!skin_ || dpi_ == previous) return;
  if (!MakeSurface(width_, height_)) {
    dpi_ = previous;
    return;
  }
  const Size shown = size();
  SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, shown.width, shown.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  Redraw();
}

void SkinWindow::ResizeSkin(int height) {
  if (!skin_ || height <= 0) return;
  if (height != height_ && MakeSurface(width_, height)) {
    const Size shown = size();
    SetWindowPos(hwnd(), nullptr, 0, 0, shown.width, shown.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Redraw();
}

void SkinWindow::Redraw() {
  if (!skin_ || !canvas_) return;
  DrawSkin(*skin_, *canvas_);
  if (skinPixels_) surface_->FillScaled(*skinPixels_);
  Present();
}

void SkinWindow::Present() {
  if (!surface_) return;
  if (layeredPending_) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style | WS_EX_LAYERED);
    layeredPending_ = false;
  }
  RECT window{};
  GetWindowRect(hwnd(), &window);
  surface_->Present(hwnd(), POINT{window.left, window.top}, shownAlpha_);
}

// Fades and mouse-over hiding blend the whole picture: never SetLayeredWindowAttributes, which
// would end the per-pixel presentation.
bool SkinWindow::SetPanelAlpha(COLORREF, BYTE alpha, DWORD) {
  shownAlpha_ = alpha;
  Present();
  return true;
}

void SkinWindow::HideAfterFade() { shownAlpha_ = alpha_; }

void SkinWindow::SetTransparency(BYTE alpha) {
  alpha_ = alpha;
  shownAlpha_ = alpha_;
  Present();
}

void SkinWindow::RunCommand(const std::string& command) {
  const std::string word = UpperCaseSkinCommand(command);
  if (RunWidgetCommand(word)) return;
  switch (const SkinCommand base = BaseSkinCommand(word)) {
    case SkinCommand::Hide:
      FadeOut();
      break;
    case SkinCommand::DestroyWindow:
      DestroyFromCommand();
      break;
    case SkinCommand::ClockSetup:
    case SkinCommand::CalendarSetup:
    case SkinCommand::AlarmSetup:
    case SkinCommand::AddAlarm:
      services_.host.RunSetupCommand(base);
      break;
    case SkinCommand::None:
      break;
  }
}

void SkinWindow::DestroyFromCommand() { services_.host.DestroyWidget(*this); }

void SkinWindow::OnDoubleClick() {
  if (!skin_ || skin_->doubleClickCommand.empty()) return;
  RunCommand(std::string(skin_->doubleClickCommand));  // a copy: the command may reload the skin
}

std::vector<ButtonMeter*> SkinWindow::Buttons() const {
  std::vector<ButtonMeter*> buttons;
  if (!skin_) return buttons;
  for (const auto& meter : skin_->meters) {
    if (meter->type() == MeterType::Button) buttons.push_back(static_cast<ButtonMeter*>(meter.get()));
  }
  return buttons;
}

// Every button follows the mouse first; the caller redraws, then runs what was pressed, so no
// command runs while the loop still walks meters a command could free.
bool SkinWindow::TrackButtons(POINT client, bool down, std::vector<std::string>* pressedCommands) {
  bool changed = false;
  for (ButtonMeter* button : Buttons()) {
    if (!button->TrackMouse(client.x, client.y, down)) continue;
    changed = true;
    if (pressedCommands && button->state() == ButtonMeter::Pressed) pressedCommands->push_back(button->command());
  }
  return changed;
}

LRESULT SkinWindow::HitTest(const Message& message) const {
  if (IsMouseOverHiding() && !KeyHeld(VK_CONTROL)) return HTCLIENT;
  POINT client{message.X(), message.Y()};
  ScreenToClient(hwnd(), &client);
  client = ToSkin(client);
  for (const ButtonMeter* button : Buttons()) {
    if (button->HitTest(client.x, client.y) || button->state() != ButtonMeter::Normal) return HTCLIENT;
  }
  return TakesClicksAt(client) ? HTCLIENT : HTCAPTION;  // the rest of the skin drags the window
}

void SkinWindow::ShowContextMenu(POINT at) {
  POINT client = at;
  ScreenToClient(hwnd(), &client);
  const int menuId = MenuAt(ToSkin(client));
  const OwnedMenu menu(LoadMenuW(services_.instance, MAKEINTRESOURCEW(menuId)));
  if (!menu) return;
  const HMENU popup = GetSubMenu(menu.Get(), 0);
  skinList_ = ListSkins(services_.files, skinRoot_, editedRoot_);
  WidgetMenuState state;
  state.zPosition = zPosition();
  state.movable = movable();
  state.alpha = alpha_;
  state.skins = &skinList_;
  state.chosenSkin = chosenSkin_;
  state.hasAboutImage = skin_ && !skin_->aboutImage.empty() && !loadedSkin_.empty();
  state.baseMenu = menuId_ == IDR_SKIN_MENU;
  PrepareWidgetMenu(popup, state, services_.host.MakeProgramMenu());
  PrepareMenu(popup);
  TrackMenu(hwnd(), popup, at);
}

void SkinWindow::EditSkin() {
  if (loadedSkin_.empty()) {
    ShowProgramMessage(hwnd(), kCannotEditMessage);
    return;
  }
  // A program folder the user cannot write keeps its skins as they are: the edit goes to a copy.
  const std::string path = EditedSkinPath(loadedSkin_, skinRoot_, editedRoot_);
  const bool copy = path != loadedSkin_;
  if (copy && !CopySkinForEditing(services_.files, loadedSkin_, path)) {
    ShowProgramMessage(hwnd(), kCannotCopyMessage);
    return;
  }
  SkinEditorDialog editor(services_.files, path);
  if (editor.RunModal(hwnd()) != IDOK || !IsWindow(hwnd())) return;
  LoadSkin(path);
  if (copy) OnSkinChosen();  // the settings name the copy from now on
}

void SkinWindow::ShowAboutImage() {
  if (!skin_ || skin_->aboutImage.empty() || loadedSkin_.empty()) return;
  const std::string path = std::string(FolderPart(loadedSkin_)) + skin_->aboutImage;
  if (!services_.files.FileExists(path)) return;
  std::unique_ptr<SkinImage> picture = images_->LoadFile(path);
  if (!picture) return;  // not a picture: nothing, as for a missing one
  SkinInfoWindow info(std::move(picture));
  info.RunModal(hwnd());
}

void SkinWindow::OnCommand(UINT id, UINT notification) {
  if (const std::optional<int> alpha = TransparencyAlpha(id)) {
    SetTransparency(static_cast<BYTE>(*alpha));
    return;
  }
  if (id >= ID_SKIN_FIRST && id <= ID_SKIN_LAST) {
    const std::size_t index = id - ID_SKIN_FIRST;
    if (index < skinList_.size()) {
      LoadSkin(std::string(skinList_[index].path));
      OnSkinChosen();
    }
    return;
  }
  switch (id) {
    case ID_SKIN_DEFAULT:
    case ID_SKIN_DEFAULT_BASE:
      LoadDefaultSkin();
      OnSkinChosen();
      return;
    case ID_SKIN_EDIT:
      EditSkin();
      return;
    case ID_SKIN_ABOUT:
      ShowAboutImage();
      return;
    default:
      break;
  }
  DesktopPanel::OnCommand(id, notification);
}

bool SkinWindow::OnMessage(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_NCHITTEST:
      result = HitTest(message);
      return true;
    case WM_MOUSEMOVE: {
      if (!trackingLeave_) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, hwnd(), 0};
        trackingLeave_ = TrackMouseEvent(&leave) != FALSE;
      }
      // Every button: the one the mouse left may be next to the one it entered.
      if (TrackButtons(ToSkin(POINT{message.X(), message.Y()}), (message.wParam & MK_LBUTTON) != 0, nullptr)) Redraw();
      return DesktopPanel::OnMessage(message, result);
    }
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (GetCapture() != hwnd() && TrackButtons(POINT{-1, -1}, false, nullptr)) Redraw();
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {  // a quick second click on a button is a second press
      std::vector<std::string> commands;
      if (TrackButtons(ToSkin(POINT{message.X(), message.Y()}), true, &commands)) Redraw();
      if (!commands.empty()) SetCapture(hwnd());
      for (const std::string& command : commands) {
        if (!IsWindow(hwnd())) break;
        RunCommand(command);
      }
      return true;
    }
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd()) ReleaseCapture();
      if (TrackButtons(ToSkin(POINT{message.X(), message.Y()}), false, nullptr)) Redraw();
      return true;
    case WM_NCLBUTTONDBLCLK:
      OnDoubleClick();
      return true;
    case WM_NCRBUTTONDOWN:
      return true;  // the system's answer would capture the mouse and swallow the release
    case WM_NCRBUTTONUP:
    case WM_CONTEXTMENU: {
      POINT at{message.X(), message.Y()};
      if (message.id == WM_CONTEXTMENU && at.x == -1 && at.y == -1) {  // the menu key
        RECT window{};
        GetWindowRect(hwnd(), &window);
        at = POINT{(window.left + window.right) / 2, (window.top + window.bottom) / 2};
      }
      ShowContextMenu(at);
      return true;
    }
    case WM_WINDOWPOSCHANGING: {
      // At the desktop level nothing may lift the window; going to the bottom is its own doing.
      auto* position = reinterpret_cast<WINDOWPOS*>(message.lParam);
      if (zPosition() == ZPosition::Desktop && position->hwndInsertAfter != HWND_BOTTOM) position->flags |= SWP_NOZORDER;
      return false;
    }
    case WM_MOVE:
      if (skin_) {
        SetModified();
        OnMoved();
      }
      return false;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(hwnd(), &paint);
      EndPaint(hwnd(), &paint);
      Redraw();
      return true;
    }
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(message.wParam), *reinterpret_cast<const RECT*>(message.lParam));
      return true;
    case WM_ERASEBKGND:
      result = TRUE;
      return true;
    case WM_SHOWWINDOW:
      if (message.wParam) Redraw();  // a widget draws nothing while it is hidden
      return false;
    default:
      return DesktopPanel::OnMessage(message, result);
  }
}

}  // namespace quillet::win
