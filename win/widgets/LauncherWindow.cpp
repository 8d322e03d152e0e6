#include "widgets/LauncherWindow.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>

#include "controls/FileBoxes.h"
#include "framework/ProgramMessageBox.h"
#include "platform/ProgramLauncher.h"
#include "platform/Wide.h"
#include "resources/WidgetResources.h"
#include "settings/Settings.h"
#include "skin/GdiPlusImage.h"
#include "widgets/ProgramIcons.h"

namespace quillet::win {

namespace {

constexpr const char* kRemoveQuestion = "선택한 항목을 런처에서 삭제합니까?";

std::string NarrowUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr, nullptr);
  return narrow;
}

// An entry's shown name: its own, or its file's name without the extension.
std::wstring NameOf(const LauncherEntry& entry) {
  if (!entry.nameUtf8.empty()) return WidenUtf8(entry.nameUtf8);
  std::wstring path = WidenUtf8(entry.pathUtf8);
  const std::size_t slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

LauncherWindow::LauncherWindow(const SkinWindowServices& services, WidgetSettings& settings, std::string skinRoot,
                               std::string listPath)
    : SkinWindow(IDD_LAUNCHER, IDR_SKIN_MENU, services, std::move(skinRoot)),
      settings_(settings),
      file_(services.files, services.clock, std::move(listPath)) {}

LauncherWindow::~LauncherWindow() = default;

bool LauncherWindow::Create() {
  SetMouseOverHidingEnabled(settings_.mouseOverHiding);
  SetMovable(settings_.allowMove);
  file_.Read(entries_);
  for (const LauncherEntry& entry : entries_) icons_.push_back(ProgramIcon(WidenUtf8(entry.pathUtf8)));
  const BYTE alpha = static_cast<BYTE>(std::clamp(settings_.transVal, 0, 255));
  if (!SkinWindow::Create(settings_.position, settings_.skinFile, settings_.zPosition, alpha)) return false;
  DragAcceptFiles(hwnd(), TRUE);
  Fit();
  return true;
}

bool LauncherWindow::OnInit() {
  SkinWindow::OnInit();
  SetWindowTextW(hwnd(), L"Quillet Launcher");
  return false;
}

void LauncherWindow::StoreState() {
  settings_.skinFile = chosenSkin();
  settings_.zPosition = zPosition();
  settings_.transVal = alpha();
  settings_.mouseOverHiding = IsMouseOverHiding();
  settings_.allowMove = movable();
}

std::vector<LauncherShown> LauncherWindow::Entries() const {
  std::vector<LauncherShown> shown;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    shown.push_back(LauncherShown{NarrowToCp949(NameOf(entries_[i])), i < icons_.size() ? icons_[i].get() : nullptr});
  }
  return shown;
}

std::optional<std::size_t> LauncherWindow::EntryAt(POINT client) const {
  if (const BuiltSkin* skin = builtSkin()) {
    for (const auto& meter : skin->meters) {
      if (meter->type() != MeterType::Launcher) continue;
      if (auto entry = static_cast<const LauncherMeter*>(meter.get())->EntryAt(client.x, client.y)) return entry;
    }
  }
  return std::nullopt;
}

// Never a joined command line: the path is the program, the arguments are its parameters, and it
// starts in its own folder.
void LauncherWindow::Start(std::size_t index) {
  const LauncherEntry& entry = entries_[index];
  const std::wstring path = WidenUtf8(entry.pathUtf8);
  const std::wstring arguments = WidenUtf8(entry.argumentsUtf8);
  const std::size_t slash = path.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
  SHELLEXECUTEINFOW start{};
  start.cbSize = sizeof start;
  start.fMask = SEE_MASK_FLAG_NO_UI;
  start.hwnd = hwnd();
  start.lpVerb = L"open";
  start.lpFile = path.c_str();
  start.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
  start.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  start.nShow = SW_SHOWNORMAL;
  if (ShellExecuteExW(&start)) return;
  char text[1024];
  std::snprintf(text, sizeof text, kCannotStartProgramMessage, NarrowToCp949(path).c_str());
  ShowProgramMessage(hwnd(), text);
}

void LauncherWindow::Add(const std::wstring& path) {
  if (!AddLauncherEntry(entries_, LauncherEntry{NarrowUtf8(path), "", ""})) return;
  icons_.push_back(ProgramIcon(path));
}

void LauncherWindow::AskToAdd() {
  FileBoxRequest request{"프로그램 (*.exe;*.lnk) ", L"*.exe;*.lnk;*.bat;*.com", ""};
  request.allFiles = true;
  const std::optional<std::wstring> path = AskOpenWidePath(hwnd(), request);
  if (!path) return;
  Add(*path);
  ListChanged();
}

void LauncherWindow::RemoveChosen() {
  if (!menuEntry_ || *menuEntry_ >= entries_.size()) return;
  const std::size_t index = *menuEntry_;
  if (ShowProgramMessage(hwnd(), kRemoveQuestion, MessageKind::Question) != IDYES) return;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  icons_.erase(icons_.begin() + static_cast<std::ptrdiff_t>(index));
  ListChanged();
}

void LauncherWindow::ListChanged() {
  Save();
  Fit();
}

void LauncherWindow::Save() {
  if (file_.Write(entries_).status == FileWriteStatus::Failed) {
    ShowProgramMessage(hwnd(), "런처 목록을 정상적으로 저장하지 못하였습니다.");
  }
}

// A skin without a background picture is as tall as its rows.
void LauncherWindow::Fit() {
  const BuiltSkin* skin = builtSkin();
  if (!skin || skin->background) {
    Redraw();
    return;
  }
  int content = 0;
  for (const auto& meter : skin->meters) {
    if (meter->type() == MeterType::Launcher) {
      content = std::max(content, static_cast<const LauncherMeter*>(meter.get())->ContentHeight());
    }
  }
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  ResizeSkin(std::clamp(content, skinHeight(), std::max<int>(skinHeight(), ToSkinLength(area.bottom - area.top))));
}

void LauncherWindow::PrepareMenu(HMENU popup) {
  menuEntry_ = EntryAt(CursorInSkin());
  InsertMenuW(popup, 0, MF_BYPOSITION | MF_STRING, ID_LAUNCHER_ADD, L"프로그램 추가...");
  InsertMenuW(popup, 1, MF_BYPOSITION | MF_STRING | (menuEntry_ ? 0 : MF_GRAYED), ID_LAUNCHER_REMOVE, L"목록에서 삭제");
  InsertMenuW(popup, 2, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void LauncherWindow::OnSkinChosen() {
  settings_.skinFile = chosenSkin();
  Fit();
}

void LauncherWindow::OnMoved() {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  settings_.position = Point{window.left, window.top};
}

void LauncherWindow::OnCommand(UINT id, UINT notification) {
  if (id == ID_LAUNCHER_ADD) return AskToAdd();
  if (id == ID_LAUNCHER_REMOVE) return RemoveChosen();
  SkinWindow::OnCommand(id, notification);
}

bool LauncherWindow::OnMessage(const Message& message, LRESULT& result) {
  const POINT client = ToSkin(POINT{message.X(), message.Y()});
  switch (message.id) {
    case WM_LBUTTONDOWN:
      pressedEntry_ = EntryAt(client);
      if (pressedEntry_) return true;
      break;
    case WM_LBUTTONUP:
      if (pressedEntry_) {
        const std::optional<std::size_t> released = EntryAt(client);
        const std::optional<std::size_t> pressed = pressedEntry_;
        pressedEntry_.reset();
        if (released && *released == *pressed) Start(*released);
        return true;
      }
      break;
    case WM_DROPFILES: {
      const auto drop = reinterpret_cast<HDROP>(message.wParam);
      const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        if (length && DragQueryFileW(drop, i, path.data(), length + 1)) Add(path.substr(0, length));
      }
      DragFinish(drop);
      ListChanged();
      return true;
    }
    default:
      break;
  }
  return SkinWindow::OnMessage(message, result);
}

}  // namespace quillet::win
