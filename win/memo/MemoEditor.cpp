#include "memo/MemoEditor.h"

#include <richedit.h>
#include <richole.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "framework/Dpi.h"
#include "memo/ClickedAddress.h"
#include "memo/EditorMenu.h"
#include "memo/FontSizes.h"
#include "memo/MemoMacro.h"
#include "memo/RichEditLibrary.h"
#include "memo/RtfStream.h"
#include "platform/Wide.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "resources/MemoResources.h"
#include "settings/Settings.h"

namespace quillet::win {
namespace {

// RichEdit holds 32,767 characters unless told otherwise and cuts longer memos when they load.
constexpr LPARAM kTextLimit = 0x7FFFFFFF;
constexpr int kDefaultPoints = 10;

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

}  // namespace

MemoEditor::MemoEditor(MemoEditorHost& host, MemoEditorServices services)
    : host_(host), services_(std::move(services)) {}

bool MemoEditor::Create(DWORD style, const RECT& place, HWND parent, int id) {
  version_ = 2;
  if (!LoadRichEdit20() || !Control::Create(L"RichEdit20W", style, 0, place, parent, id)) {
    version_ = 1;
    if (!LoadRichEdit10() || !Control::Create(L"RICHEDIT", style, 0, place, parent, id)) return false;
  }
  SendMessageW(hwnd(), EM_EXLIMITTEXT, 0, kTextLimit);
  ApplyDefaultFormat();
  // Our Create attaches after WM_CREATE, so this is the one registration.
  oleCallback_.reset(RichEditOleCallback::Create());
  SendMessageW(hwnd(), EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(oleCallback_.get()));
  SetEditable(editable_);
  return true;
}

// The Hangul character set makes the control write code page 949 RTF (\fcharset129), which a
// Korean Windows reads back whatever the system code page.
void MemoEditor::ApplyDefaultFormat() {
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  // The control starts from the system font, which is bold on some systems.
  format.dwMask = CFM_SIZE | CFM_COLOR | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  format.dwEffects = CFE_AUTOCOLOR;
  format.yHeight = EditorHeightOf(kDefaultPoints);
  format.bCharSet = HANGUL_CHARSET;
  const std::wstring face = WidenCp949(services_.settings.general.fontName);
  if (!face.empty()) {
    format.dwMask |= CFM_FACE;
    lstrcpynW(format.szFaceName, face.c_str(), LF_FACESIZE);
  }
  SendMessageW(hwnd(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

bool MemoEditor::LoadRtf(const std::string& path) {
  std::string rtf;
  if (services_.files.ReadFile(path, rtf) != ReadOutcome::Ok || !StreamInRtf(hwnd(), rtf)) return false;
  SetModified(false);
  return true;
}

bool MemoEditor::SaveRtf(const std::string& path) {
  if (!ExportRtf(path)) return false;
  SetModified(false);
  return true;
}

bool MemoEditor::ExportRtf(const std::string& path) const {
  const std::optional<std::string> rtf = StreamOutRtf(hwnd());
  return rtf && services_.files.ReplaceFile(path, *rtf);
}

bool MemoEditor::HasContent() const {
  if (GetWindowTextLengthW(hwnd()) > 0) return true;
  IRichEditOle* ole = nullptr;
  if (!SendMessageW(hwnd(), EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole)) || !ole) return false;
  const LONG objects = ole->GetObjectCount();
  ole->Release();
  return objects > 0;
}

void MemoEditor::Clear() { StreamInRtf(hwnd(), {}); }

bool MemoEditor::IsModified() const { return SendMessageW(hwnd(), EM_GETMODIFY, 0, 0) != 0; }

void MemoEditor::SetModified(bool modified) { SendMessageW(hwnd(), EM_SETMODIFY, modified ? TRUE : FALSE, 0); }

void MemoEditor::SetEditable(bool editable) {
  editable_ = editable;
  SendMessageW(hwnd(), EM_SETREADONLY, editable ? FALSE : TRUE, 0);
}

void MemoEditor::SetUrlDetection(bool on) { SendMessageW(hwnd(), EM_AUTOURLDETECT, on ? TRUE : FALSE, 0); }

void MemoEditor::SetZoomForDpi(int dpi) {
  const int system = SystemDpi();
  SendMessageW(hwnd(), EM_SETZOOM, dpi == system ? 0 : static_cast<WPARAM>(dpi),
               dpi == system ? 0 : static_cast<LPARAM>(system));
}

LRESULT MemoEditor::OnMessage(const Message& message) {
  switch (message.id) {
    case WM_COMMAND:
      return RunCommand(message.CommandId()) ? 0 : Default(message);
    case WM_KEYDOWN:
      return OnShortcut(message.wParam) ? 0 : Default(message);
    case WM_RBUTTONDOWN:
      if (editable_) ShowContextMenu(message);
      return hwnd() ? Default(message) : 0;
    case WM_LBUTTONDOWN:
      if (editable_ && (message.wParam & MK_CONTROL)) OpenClickedAddress(message);
      return Default(message);
    case WM_MOUSEWHEEL:
      if (!editable_) return Default(message);
      ScrollByWheel(GET_WHEEL_DELTA_WPARAM(message.wParam));
      return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      return editable_ ? Default(message) : 0;
    case WM_VSCROLL:
      return AfterScroll(message);
    case WM_NCHITTEST:
      return HitTest(message);
    default:
      return Default(message);
  }
}

bool MemoEditor::RunCommand(UINT id) {
  SelectionFormat selection = Selection();
  switch (id) {
    case ID_EDIT_UNDO:
      SendMessageW(hwnd(), EM_UNDO, 0, 0);
      return true;
    case ID_EDIT_REDO:
      if (version_ != 1) SendMessageW(hwnd(), EM_REDO, 0, 0);
      return true;
    case ID_EDIT_CUT:
      SendMessageW(hwnd(), WM_CUT, 0, 0);
      return true;
    case ID_EDIT_COPY:
      SendMessageW(hwnd(), WM_COPY, 0, 0);
      return true;
    case ID_EDIT_PASTE:
      if (SendMessageW(hwnd(), EM_CANPASTE, 0, 0)) SendMessageW(hwnd(), WM_PASTE, 0, 0);
      return true;
    case ID_EDITOR_COLOR:
      ChooseTextColor();
      return true;
    case ID_EDITOR_SIZE_DOWN:
      selection.StepSize(-1);
      return true;
    case ID_EDITOR_SIZE_UP:
      selection.StepSize(1);
      return true;
    case ID_EDITOR_ALIGN_LEFT:
      selection.SetAlignment(Alignment::Left);
      return true;
    case ID_EDITOR_ALIGN_CENTER:
      selection.SetAlignment(Alignment::Center);
      return true;
    case ID_EDITOR_ALIGN_RIGHT:
      selection.SetAlignment(Alignment::Right);
      return true;
    case ID_EDITOR_BULLETS:
      selection.ToggleBullets();
      return true;
    case ID_EDITOR_STRIKEOUT:
      selection.ToggleStrikeOut();
      return true;
    default:
      if (id < ID_EDITOR_MACRO_FIRST || id > ID_EDITOR_MACRO_LAST) return false;
      InsertMacro(id - ID_EDITOR_MACRO_FIRST);
      return true;
  }
}

// Ctrl with a letter or "<" ">"; a read-only editor only selects. AltGr (Ctrl+Alt) types.
bool MemoEditor::OnShortcut(WPARAM key) {
  if (!KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU)) return false;
  if (key == 'A') {
    SendMessageW(hwnd(), EM_SETSEL, 0, -1);
  } else if (!editable_) {
    return false;
  } else if (key == 'B') {
    Selection().ToggleBold();
  } else if (key == 'I') {
    Selection().ToggleItalic();
  } else if (key == 'U') {
    Selection().ToggleUnderline();
  } else {
    static constexpr struct {
      WPARAM key;
      UINT command;
    } kCommands[] = {
        {'E', ID_EDITOR_ALIGN_CENTER}, {'K', ID_EDITOR_BULLETS},   {'L', ID_EDITOR_ALIGN_LEFT},
        {'N', ID_EDITOR_STRIKEOUT},    {'P', ID_EDITOR_COLOR},     {'R', ID_EDITOR_ALIGN_RIGHT},
        {VK_OEM_COMMA, ID_EDITOR_SIZE_DOWN}, {VK_OEM_PERIOD, ID_EDITOR_SIZE_UP},
    };
    const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands), [&](const auto& c) { return c.key == key; });
    if (found == std::end(kCommands)) return false;
    RunCommand(found->command);
  }
  // TranslateMessage has already queued the key's control character: Ctrl+I's is a tab.
  MSG pending;
  if (hwnd()) PeekMessageW(&pending, hwnd(), WM_CHAR, WM_CHAR, PM_REMOVE);
  return true;
}

void MemoEditor::ShowContextMenu(const Message& message) {
  const LocalTime now = services_.clock.Now();
  macros_.clear();
  if (services_.macroFormats) {
    for (const std::string& format : services_.macroFormats()) macros_.push_back(ExpandMacro(format, now));
  }
  const SelectionFormat selection = Selection();
  EditorMenuState state;
  state.macros = macros_;
  state.canUndo = SendMessageW(hwnd(), EM_CANUNDO, 0, 0) != 0;
  state.canRedo = version_ != 1 && SendMessageW(hwnd(), EM_CANREDO, 0, 0) != 0;
  state.alignment = selection.GetAlignment();
  state.bullets = selection.Bullets();
  state.strikeOut = selection.StrikeOut();
  POINT screen{message.X(), message.Y()};
  ClientToScreen(hwnd(), &screen);
  const UINT command = TrackEditorMenu(hwnd(), screen, state);
  if (command != 0 && hwnd()) RunCommand(command);
}

// Undoable, at the caret; the clipboard keeps what the user copied.
void MemoEditor::InsertMacro(std::size_t index) {
  if (index >= macros_.size()) return;
  const std::wstring text = WidenCp949(macros_[index]);
  SendMessageW(hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void MemoEditor::OpenClickedAddress(const Message& message) {
  POINTL point{message.X(), message.Y()};
  const auto clicked = static_cast<LONG>(SendMessageW(hwnd(), EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&point)));
  GETTEXTLENGTHEX lengthOf{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto length = static_cast<LONG>(SendMessageW(hwnd(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthOf), 0));
  const auto reach = static_cast<LONG>(kClickReach);
  const LONG first = std::clamp<LONG>(clicked - reach, 0, length);
  const LONG last = std::clamp<LONG>(clicked + reach, first, length);
  std::wstring text(static_cast<std::size_t>(last - first) + 1, L'\0');
  TEXTRANGEW range{{first, last}, text.data()};
  text.resize(static_cast<std::size_t>(SendMessageW(hwnd(), EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
  // Narrowed in two parts, so the clicked character's offset is known in the CP949 text.
  const std::wstring_view wide = text;
  const std::size_t split = std::min(static_cast<std::size_t>(std::max<LONG>(clicked - first, 0)), wide.size());
  const std::string before = NarrowToCp949(wide.substr(0, split));
  const std::string word = WordAt(before + NarrowToCp949(wide.substr(split)), before.size());
  if (const std::optional<std::string> address = AddressToOpen(word, services_.files)) services_.openAddress(*address);
}

void MemoEditor::ChooseTextColor() {
  const std::optional<COLORREF> color = ChooseColorFrom(hwnd(), Selection().Color(), customColors_);
  if (color && hwnd()) Selection().SetColor(*color);
}

// Clicks fall through (HTTRANSPARENT) to the memo window unless the editor should take them.
LRESULT MemoEditor::HitTest(const Message& message) {
  if (!host_.IsHostActive()) return HTTRANSPARENT;
  if (services_.settings.general.mouseOverHiding) {
    if (GetFocus() == hwnd() && host_.IsExpanded()) return Default(message);
    if (!KeyHeld(VK_CONTROL)) return HTTRANSPARENT;
  }
  return editable_ ? Default(message) : HTTRANSPARENT;
}

// One line a notch; the finer steps of some wheels add up to a notch first.
void MemoEditor::ScrollByWheel(int delta) {
  if ((delta > 0) != (wheelRest_ > 0)) wheelRest_ = 0;
  wheelRest_ += delta;
  for (; wheelRest_ >= WHEEL_DELTA && hwnd(); wheelRest_ -= WHEEL_DELTA) SendMessageW(hwnd(), WM_VSCROLL, SB_LINEUP, 0);
  for (; wheelRest_ <= -WHEEL_DELTA && hwnd(); wheelRest_ += WHEEL_DELTA) SendMessageW(hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
}

LRESULT MemoEditor::AfterScroll(const Message& message) {
  const LRESULT result = Default(message);
  if (hwnd() && services_.settings.general.restoreScrollPos) {
    const auto line = static_cast<int>(SendMessageW(hwnd(), EM_GETFIRSTVISIBLELINE, 0, 0));
    if (line != host_.RecordedScrollLine()) host_.RecordScrollLine(line);
  }
  return result;
}

}  // namespace quillet::win
