#include <gtest/gtest.h>

#include <richedit.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "Screenshot.h"
#include "framework/GdiPlusSession.h"
#include "memo/HelpDocument.h"
#include "memo/OleSession.h"
#include "memo/RichEditOleCallback.h"
#include "platform/Wide.h"
#include "resources/MemoResources.h"

namespace quillet::win {
namespace {

using testing::EditorFixture;
using testing::KeepScreenshot;
using testing::OutputPath;
using testing::Pump;
using testing::Select;
using testing::TextOf;
using testing::Type;

class Environment : public ::testing::Environment {
  void SetUp() override {
    ole_ = std::make_unique<OleSession>();
    gdiPlus_ = std::make_unique<GdiPlusSession>();
  }
  void TearDown() override {
    gdiPlus_.reset();
    ole_.reset();
  }
  std::unique_ptr<OleSession> ole_;
  std::unique_ptr<GdiPlusSession> gdiPlus_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

CHARFORMATW CharacterFormat(HWND editor, LONG first, LONG last) {
  Select(editor, first, last);
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  SendMessageW(editor, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

PARAFORMAT ParagraphFormat(HWND editor, LONG at) {
  Select(editor, at, at);
  PARAFORMAT format{};
  format.cbSize = sizeof format;
  SendMessageW(editor, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  return format;
}

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  Win32FileSystem().ReadFile(path, bytes);
  return bytes;
}

POINT PointOf(HWND editor, LONG character) {
  POINTL point{};
  SendMessageW(editor, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), character);
  return POINT{point.x + 1, point.y + 3};
}

TEST(MemoEditor, FormatsSurviveASaveAndALoadIntoAFreshEditor) {
  EditorFixture first;
  ASSERT_TRUE(first.Ready());
  EXPECT_EQ(first.editor().Version(), 2);
  const HWND edit = first.control();
  // Paragraphs start at 0, 13 and 25: "가나다 Latin 라마", "둘째 줄 second", "셋째 third".
  const std::wstring text = L"가나다 Latin 라마\r둘째 줄 second\r셋째 third";
  Type(edit, text);
  ASSERT_EQ(TextOf(edit), text);
  constexpr DWORD kEffects = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT;
  EXPECT_EQ(CharacterFormat(edit, 0, static_cast<LONG>(text.size())).dwEffects & kEffects, 0u);
  SelectionFormat format = first.editor().Selection();

  Select(edit, 0, 3);
  format.ToggleBold();
  Select(edit, 0, 9);
  EXPECT_FALSE(format.Bold());
  format.ToggleBold();  // partly bold: all of it becomes bold
  EXPECT_TRUE(format.Bold());
  Select(edit, 4, 9);
  format.ToggleItalic();
  Select(edit, 4, 12);
  format.ToggleItalic();  // partly italic: none of it stays italic
  EXPECT_FALSE(format.Italic());

  Select(edit, 10, 12);
  const struct {
    int size, steps, expected;
  } sizes[] = {{72, 1, 72}, {8, -1, 8}, {13, 1, 13}, {13, -1, 13}, {16, 1, 18}, {18, 1, 20}};
  // 20 points (height 360) is kept by RTF's half points; 18 (324) would come back as 17.
  for (const auto& s : sizes) {
    format.SetSize(s.size);
    format.StepSize(s.steps);
    EXPECT_EQ(format.Size(), s.expected) << s.size << " by " << s.steps;
  }

  Select(edit, 14, 14);
  format.ToggleBullets();
  EXPECT_TRUE(format.Bullets());
  EXPECT_EQ(ParagraphFormat(edit, 14).dxOffset, 4);
  Select(edit, 14, 14);
  format.ToggleBullets();
  EXPECT_FALSE(format.Bullets());
  EXPECT_EQ(ParagraphFormat(edit, 14).dxOffset, 0);
  Select(edit, 14, 14);
  format.ToggleBullets();

  Select(edit, 13, 15);
  format.SetColor(RGB(0xC0, 0x20, 0x20));
  Select(edit, 18, 24);
  format.ToggleUnderline();
  Select(edit, 25, 27);
  format.ToggleStrikeOut();
  format.SetColor(RGB(0x20, 0x60, 0xC0));
  format.SetAlignment(Alignment::Center);
  Select(edit, 28, 33);
  format.SetFace("Courier New");
  Select(edit, 0, 0);
  Pump(200);
  KeepScreenshot(first.window(), "formatted-memo");

  EXPECT_TRUE(first.editor().IsModified());
  const std::string path = OutputPath("formatted.rtf");
  ASSERT_TRUE(first.editor().SaveRtf(path));
  EXPECT_FALSE(first.editor().IsModified());
  const std::string rtf = ReadBytes(path);
  EXPECT_NE(rtf.find("\\fcharset129"), std::string::npos) << rtf.substr(0, 300);

  EditorFixture second;
  ASSERT_TRUE(second.Ready());
  ASSERT_TRUE(second.editor().LoadRtf(path));
  EXPECT_FALSE(second.editor().IsModified());
  const HWND loaded = second.control();
  ASSERT_EQ(TextOf(loaded), text);
  // Wine writes font names in the system's code page and reads no \u there, so a Korean face
  // name comes back only on a Korean system.
  const bool koreanFacesKept = GetACP() == 949;
  for (LONG i = 0; i < static_cast<LONG>(text.size()); ++i) {
    const CHARFORMATW before = CharacterFormat(edit, i, i + 1);
    const CHARFORMATW after = CharacterFormat(loaded, i, i + 1);
    EXPECT_EQ(after.dwEffects & kEffects, before.dwEffects & kEffects) << i;
    EXPECT_EQ(after.yHeight, before.yHeight) << i;
    EXPECT_EQ(after.dwEffects & CFE_AUTOCOLOR, before.dwEffects & CFE_AUTOCOLOR) << i;
    if (!(before.dwEffects & CFE_AUTOCOLOR)) {
      EXPECT_EQ(after.crTextColor, before.crTextColor) << i;
    }
    if (koreanFacesKept || before.szFaceName[0] < 0x80) {
      EXPECT_STREQ(after.szFaceName, before.szFaceName) << i;
    }
  }
  // And the formats are really there, paragraph formats included.
  SelectionFormat reloaded = second.editor().Selection();
  Select(loaded, 0, 9);
  EXPECT_TRUE(reloaded.Bold());
  Select(loaded, 4, 12);
  EXPECT_FALSE(reloaded.Italic());
  Select(loaded, 10, 12);
  EXPECT_EQ(reloaded.Size(), 20);
  Select(loaded, 13, 15);
  EXPECT_EQ(reloaded.Color(), RGB(0xC0, 0x20, 0x20));
  EXPECT_TRUE(reloaded.Bullets());
  Select(loaded, 18, 24);
  EXPECT_TRUE(reloaded.Underline());
  Select(loaded, 25, 27);
  EXPECT_TRUE(reloaded.StrikeOut());
  EXPECT_EQ(reloaded.GetAlignment(), Alignment::Center);
  Select(loaded, 28, 33);
  EXPECT_EQ(reloaded.Face(), "Courier New");
  Select(loaded, 0, 3);
  if (koreanFacesKept) {
    EXPECT_EQ(reloaded.Face(), "굴림");
  }
  EXPECT_EQ(CharacterFormat(loaded, 0, 3).bCharSet, HANGUL_CHARSET);
}

// An RTF document in code page 949 with `paragraphs` lines of `line`, as a Korean Windows writes it.
std::string Cp949Rtf(const std::string& line, int paragraphs) {
  std::string body;
  for (const char c : line) {
    static const char kHex[] = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      body += c;
    } else {
      body += "\\'";
      body += kHex[byte >> 4];
      body += kHex[byte & 15];
    }
  }
  std::string rtf = "{\\rtf1\\ansi\\ansicpg949\\deff0{\\fonttbl{\\f0\\fnil\\fcharset129 Gulim;}}\\f0\\fs20 ";
  for (int i = 0; i < paragraphs; ++i) rtf += (i ? "\\par\n" : "") + body;
  return rtf + "}";
}

TEST(MemoEditor, LongAndKoreanContentFilesLoadWholeAndAFailedSaveStaysModified) {
  EditorFixture fixture;
  ASSERT_TRUE(fixture.Ready());
  MemoEditor& editor = fixture.editor();
  const HWND edit = fixture.control();

  const std::string help = OutputPath("help.rtf");
  ASSERT_TRUE(fixture.files.ReplaceFile(help, HelpDocumentRtf()));
  ASSERT_TRUE(editor.LoadRtf(help));
  EXPECT_EQ(TextOf(edit).rfind(L"Quillet 사용법", 0), 0u) << NarrowToCp949(TextOf(edit).substr(0, 40));

  // 2,000 lines of 100 characters: far past the control's default limit of 32,767.
  std::string line;
  for (int i = 0; i < 10; ++i) line += "한글과 Latin ";
  std::wstring expected;
  for (int i = 0; i < 2000; ++i) expected += (i ? L"\r" : L"") + WidenCp949(line);
  const std::string longFile = OutputPath("long.rtf");
  ASSERT_TRUE(fixture.files.ReplaceFile(longFile, Cp949Rtf(line, 2000)));
  ASSERT_TRUE(editor.LoadRtf(longFile));
  EXPECT_EQ(TextOf(edit).size(), expected.size());
  EXPECT_TRUE(TextOf(edit) == expected);
  const std::string resaved = OutputPath("long-saved.rtf");
  ASSERT_TRUE(editor.SaveRtf(resaved));
  EditorFixture fresh;
  ASSERT_TRUE(fresh.Ready());
  ASSERT_TRUE(fresh.editor().LoadRtf(resaved));
  EXPECT_TRUE(TextOf(fresh.control()) == expected);

  // A missing file changes nothing; Clear empties.
  EXPECT_FALSE(editor.LoadRtf(OutputPath("missing.rtf")));
  EXPECT_EQ(TextOf(edit).size(), expected.size());
  editor.Clear();
  EXPECT_EQ(TextOf(edit), L"");

  // A save that cannot replace the file leaves it as it was and the editor modified.
  const std::string locked = OutputPath("read-only.rtf");
  const std::wstring lockedWide = WidenCp949(locked);
  SetFileAttributesW(lockedWide.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(fixture.files.ReplaceFile(locked, Cp949Rtf("예전 글", 1)));
  ASSERT_TRUE(SetFileAttributesW(lockedWide.c_str(), FILE_ATTRIBUTE_READONLY));
  Type(edit, L"새 글");
  EXPECT_TRUE(editor.IsModified());
  EXPECT_FALSE(editor.SaveRtf(locked));
  EXPECT_TRUE(editor.IsModified());
  EXPECT_EQ(ReadBytes(locked), Cp949Rtf("예전 글", 1));
  ASSERT_TRUE(SetFileAttributesW(lockedWide.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(editor.SaveRtf(locked));
  EXPECT_FALSE(editor.IsModified());
  EXPECT_TRUE(fresh.editor().LoadRtf(locked));
  EXPECT_EQ(TextOf(fresh.control()), L"새 글");
}

TEST(MemoEditor, CtrlClickOpensOnlyAddresses) {
  EditorFixture fixture;
  ASSERT_TRUE(fixture.Ready());
  const HWND edit = fixture.control();
  wchar_t windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
  const std::wstring text = L"주소는 https://example.org/a 이고\r shutdown 금지, 폴더 " + std::wstring(windows) + L" 끝";
  Type(edit, text);
  const auto click = [&](const std::wstring& word, LONG into, WPARAM keys) {
    const POINT point = PointOf(edit, static_cast<LONG>(text.find(word)) + into);
    SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(point.x, point.y));
    SendMessageW(edit, WM_LBUTTONUP, keys, MAKELPARAM(point.x, point.y));
  };
  click(L"https", 10, MK_CONTROL);
  click(L"https", 0, MK_CONTROL);
  click(L"https", 10, 0);
  click(L"shutdown", 3, MK_CONTROL);
  click(L"금지", 0, MK_CONTROL);
  click(windows, 4, MK_CONTROL);
  fixture.editor().SetEditable(false);
  click(L"https", 10, MK_CONTROL);
  EXPECT_EQ(fixture.opened, (std::vector<std::string>{"https://example.org/a", "https://example.org/a",
                                                      NarrowToCp949(windows)}));
}

// Reads the editor's context menu while it is open, then closes it.
class MenuReader {
 public:
  explicit MenuReader(std::function<void(HMENU)> read) : read_(std::move(read)) {
    current_ = this;
    deadline_ = GetTickCount64() + 5000;
    timer_ = SetTimer(nullptr, 0, 30, &MenuReader::Tick);
  }
  ~MenuReader() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool Read() const { return done_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    MenuReader* self = current_;
    if (!self || self->done_) return;
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    const auto menu = menuWindow ? reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0)) : nullptr;
    if (menu && IsWindowVisible(menuWindow)) {
      self->read_(menu);
      self->done_ = true;
    }
    if (self->done_ || GetTickCount64() > self->deadline_) EndMenu();
  }

  static inline MenuReader* current_ = nullptr;
  std::function<void(HMENU)> read_;
  ULONGLONG deadline_;
  UINT_PTR timer_;
  bool done_ = false;
};

std::wstring MenuString(HMENU menu, UINT position) {
  wchar_t text[256] = {};
  GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
  return text;
}

void SetClipboardText(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

std::wstring ClipboardText() {
  if (!OpenClipboard(nullptr)) return L"<cannot open>";
  std::wstring text;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(memory));
    GlobalUnlock(memory);
  }
  CloseClipboard();
  return text;
}

TEST(MemoEditor, TheContextMenuShowsTheMacrosOfTheMomentAndOneGoesInAtTheCaret) {
  EditorFixture fixture;
  ASSERT_TRUE(fixture.Ready());
  const HWND edit = fixture.control();
  Type(edit, L"시각: ");
  SetClipboardText(L"복사해 둔 글");

  std::vector<std::wstring> macros, items;
  UINT undoState = 0, redoState = 0, leftState = 0, strikeState = 0;
  MenuReader reader([&](HMENU menu) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) items.push_back(MenuString(menu, static_cast<UINT>(i)));
    HMENU submenu = GetSubMenu(menu, 3);
    for (int i = 0; submenu && i < GetMenuItemCount(submenu); ++i) macros.push_back(MenuString(submenu, static_cast<UINT>(i)));
    undoState = GetMenuState(menu, ID_EDIT_UNDO, MF_BYCOMMAND);
    redoState = GetMenuState(menu, ID_EDIT_REDO, MF_BYCOMMAND);
    leftState = GetMenuState(menu, ID_EDITOR_ALIGN_LEFT, MF_BYCOMMAND);
    strikeState = GetMenuState(menu, ID_EDITOR_STRIKEOUT, MF_BYCOMMAND);
  });
  const POINT point = PointOf(edit, 1);
  SendMessageW(edit, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
  SendMessageW(edit, WM_RBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  ASSERT_TRUE(reader.Read()) << "no menu showed";
  EXPECT_EQ(macros, (std::vector<std::wstring>{L"2026-12-08", L"26-12-08", L"08/12/2026", L"2026년 12월 08일",
                                               L"2026년 12월 08일 화요일", L"오후 01:05:09", L"13:05:09"}));
  EXPECT_EQ(items, (std::vector<std::wstring>{L"Undo\tCtrl+Z", L"Redo\tCtrl+Y", L"", L"Macro (날짜,시간)", L"",
                                              L"Cut\tCtrl+X", L"Copy\tCtrl+C", L"Paste\tCtrl+V", L"",
                                              L"Color\tCtrl+P", L"글꼴 크기감소\tCtrl+<", L"글꼴 크기증가\tCtrl+>", L"",
                                              L"왼쪽 맞춤\tCtrl+L", L"가운데 맞춤\tCtrl+E", L"오른쪽 맞춤\tCtrl+R", L"",
                                              L"글머리 기호\tCtrl+K", L"취소 선\tCtrl+N"}));
  EXPECT_EQ(undoState & MF_GRAYED, 0u);
  EXPECT_NE(redoState & MF_GRAYED, 0u);
  EXPECT_NE(leftState & MF_CHECKED, 0u);
  EXPECT_EQ(strikeState & MF_CHECKED, 0u);

  Select(edit, 4, 4);
  SendMessageW(edit, WM_COMMAND, ID_EDITOR_MACRO_FIRST + 5, 0);
  EXPECT_EQ(TextOf(edit), L"시각: 오후 01:05:09");
  EXPECT_EQ(ClipboardText(), L"복사해 둔 글");
  SendMessageW(edit, WM_COMMAND, ID_EDIT_UNDO, 0);
  EXPECT_EQ(TextOf(edit), L"시각: ");
  // Copy and paste still work with the OLE callback in place.
  Select(edit, 0, 2);
  SendMessageW(edit, WM_COMMAND, ID_EDIT_COPY, 0);
  EXPECT_EQ(ClipboardText(), L"시각");
  Select(edit, 4, 4);
  SendMessageW(edit, WM_COMMAND, ID_EDIT_PASTE, 0);
  EXPECT_EQ(TextOf(edit), L"시각: 시각");
}

// Ctrl held as GetKeyState sees it, for the time of a scope.
class CtrlHeld {
 public:
  CtrlHeld() {
    GetKeyboardState(saved_);
    BYTE keys[256];
    std::copy(std::begin(saved_), std::end(saved_), keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    SetKeyboardState(keys);
  }
  ~CtrlHeld() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256] = {};
};

TEST(MemoEditor, CtrlShortcutsFormatTheSelectionOfAnEditableMemo) {
  EditorFixture fixture;
  ASSERT_TRUE(fixture.Ready());
  const HWND edit = fixture.control();
  Type(edit, L"단축키 keys");
  SelectionFormat format = fixture.editor().Selection();
  const CtrlHeld ctrl;
  const auto press = [&](WPARAM key) {
    // As TranslateMessage would have queued it: Ctrl+I is a tab, Ctrl+B character 2.
    if (key >= 'A' && key <= 'Z') PostMessageW(edit, WM_CHAR, key - 'A' + 1, 0);
    SendMessageW(edit, WM_KEYDOWN, key, 0);
    Pump(20);
  };
  const struct {
    WPARAM key;
    std::function<bool()> done;
  } cases[] = {
      {'B', [&] { return format.Bold(); }},
      {'I', [&] { return format.Italic(); }},
      {'U', [&] { return format.Underline(); }},
      {'N', [&] { return format.StrikeOut(); }},
      {'K', [&] { return format.Bullets(); }},
      {'E', [&] { return format.GetAlignment() == Alignment::Center; }},
      {'R', [&] { return format.GetAlignment() == Alignment::Right; }},
      {'L', [&] { return format.GetAlignment() == Alignment::Left; }},
      {VK_OEM_PERIOD, [&] { return format.Size() == 11; }},
      {VK_OEM_COMMA, [&] { return format.Size() == 10; }},
  };
  Select(edit, 0, 3);
  for (const auto& c : cases) {
    press(c.key);
    EXPECT_TRUE(c.done()) << "key " << c.key;
  }
  EXPECT_EQ(TextOf(edit), L"단축키 keys");  // no control character went in
  press('A');
  CHARRANGE all{};
  SendMessageW(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&all));
  EXPECT_EQ(all.cpMin, 0);
  EXPECT_GE(all.cpMax, 8);

  fixture.editor().SetEditable(false);
  Select(edit, 4, 8);
  press('B');
  press('K');
  EXPECT_FALSE(format.Bold());
  EXPECT_TRUE(format.Bullets());  // still as Ctrl+K left it
}

TEST(MemoEditor, TheWheelScrollsOneLineAndInactiveMemosTakeTheClicks) {
  EditorFixture fixture;
  ASSERT_TRUE(fixture.Ready());
  const HWND edit = fixture.control();
  std::wstring lines;
  for (int i = 0; i < 60; ++i) lines += L"줄 line\r";
  Type(edit, lines);
  SendMessageW(edit, WM_VSCROLL, SB_TOP, 0);
  fixture.scrollRecords = 0;
  const auto wheel = [&](short delta) {
    SendMessageW(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
    return static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
  };
  // One line a notch; a fine wheel's smaller steps add up to one.
  EXPECT_EQ(wheel(-WHEEL_DELTA), 1);
  EXPECT_EQ(wheel(-3 * WHEEL_DELTA), 4);
  EXPECT_EQ(wheel(-WHEEL_DELTA / 2), 4);
  EXPECT_EQ(wheel(-WHEEL_DELTA / 2), 5);
  EXPECT_EQ(wheel(WHEEL_DELTA), 4);
  EXPECT_EQ(fixture.scrollLine, 4);
  EXPECT_EQ(fixture.scrollRecords, 6);
  fixture.settings.general.restoreScrollPos = false;
  EXPECT_EQ(wheel(-WHEEL_DELTA), 5);
  EXPECT_EQ(fixture.scrollLine, 4);

  RECT place{};
  GetWindowRect(edit, &place);
  const LPARAM middle = MAKELPARAM((place.left + place.right) / 2 - 10, (place.top + place.bottom) / 2);
  const struct {
    bool active, mouseOverHiding, focused, expanded, ctrl, editable;
    LRESULT hit;
  } cases[] = {
      {false, false, true, true, false, true, HTTRANSPARENT},
      {true, false, false, true, false, true, HTCLIENT},
      {true, false, false, true, false, false, HTTRANSPARENT},
      {true, true, true, true, false, true, HTCLIENT},
      {true, true, true, false, false, true, HTTRANSPARENT},
      {true, true, false, true, false, true, HTTRANSPARENT},
      {true, true, false, true, true, true, HTCLIENT},
      {true, true, false, true, true, false, HTTRANSPARENT},
  };
  for (const auto& c : cases) {
    fixture.active = c.active;
    fixture.expanded = c.expanded;
    fixture.settings.general.mouseOverHiding = c.mouseOverHiding;
    fixture.editor().SetEditable(c.editable);
    SetFocus(c.focused ? edit : fixture.window());
    std::unique_ptr<CtrlHeld> ctrl(c.ctrl ? new CtrlHeld : nullptr);
    EXPECT_EQ(SendMessageW(edit, WM_NCHITTEST, 0, middle), c.hit)
        << c.active << c.mouseOverHiding << c.focused << c.expanded << c.ctrl << c.editable;
  }
}

TEST(RichEditOleCallback, HandsOutNumberedStoragesOfOneTemporaryFile) {
  std::unique_ptr<RichEditOleCallback, ReleaseCom> callback(RichEditOleCallback::Create());
  for (const wchar_t* name : {L"REOLEStorage1", L"REOLEStorage2"}) {
    IStorage* storage = nullptr;
    ASSERT_EQ(callback->GetNewStorage(&storage), S_OK);
    STATSTG status{};
    ASSERT_EQ(storage->Stat(&status, STATFLAG_DEFAULT), S_OK);
    EXPECT_STREQ(status.pwcsName, name);
    CoTaskMemFree(status.pwcsName);
    storage->Release();
  }
  // The control makes its own clipboard data, and must not find a stale pointer.
  auto* data = reinterpret_cast<IDataObject*>(&callback);
  EXPECT_EQ(callback->GetClipboardData(nullptr, RECO_COPY, &data), S_FALSE);
  EXPECT_EQ(data, nullptr);
  void* unknown = nullptr;
  EXPECT_EQ(callback->QueryInterface(IID_IDataObject, &unknown), E_NOINTERFACE);
  EXPECT_EQ(unknown, nullptr);
}

}  // namespace
}  // namespace quillet::win
