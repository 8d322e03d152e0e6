#include "memo/FormatBar.h"

#include <algorithm>

#include "controls/FontFaceCombo.h"
#include "controls/FontSizeCombo.h"
#include "framework/Dpi.h"
#include "memo/MemoEditor.h"
#include "resources/MemoResources.h"

namespace quillet::win {

namespace {

// Pixel places: dialog units would grow with the font. The controls fill the bar's height: a
// drop-down list needs 19 pixels to show 8-point Hangul and descenders whole. The size list is
// wide enough for "72" beside its arrow; the face list drops wider than the combo.
constexpr int kTop = 0;
constexpr int kHeight = 19;
constexpr int kToggleLeft[] = {4, 17, 30};
constexpr int kToggleWidth = 13;
constexpr int kColorLeft = 48;
constexpr int kColorWidth = 33;
constexpr int kSizeLeft = 82;
constexpr int kSizeWidth = 40;
constexpr int kFaceLeft = 123;
constexpr int kFaceWidth = 87;
constexpr int kDroppedListHeight = 240;
constexpr int kDroppedListWidth = 200;

struct Toggle {
  int id;
  int picture;
  const char* tip;
  void (SelectionFormat::*toggle)();
  bool (SelectionFormat::*state)() const;
};
constexpr Toggle kToggles[] = {
    {IDC_FORMAT_BOLD, IDB_MEMO_BOLD, "굵게 (Ctrl+B)", &SelectionFormat::ToggleBold, &SelectionFormat::Bold},
    {IDC_FORMAT_ITALIC, IDB_MEMO_ITALIC, "기울임꼴 (Ctrl+I)", &SelectionFormat::ToggleItalic, &SelectionFormat::Italic},
    {IDC_FORMAT_UNDERLINE, IDB_MEMO_UNDERLINE, "밑줄 (Ctrl+U)", &SelectionFormat::ToggleUnderline,
     &SelectionFormat::Underline},
};

// The distance from the size combo to the bar's right edge, less a margin, within 50 … 140.
int FaceComboWidth(int barWidth) {
  const int room = barWidth - (kSizeLeft + kSizeWidth);
  return room < 54 ? 50 : std::min(room - 4, 140);
}

// A drop-down list's closed height follows its font; the bar's take the bar's height. Systems
// count the selection field's height differently (Wine adds 2), so a second pass corrects the
// first by what it measures.
void PlaceCombo(HWND combo, int left, int width, int dpi) {
  const int height = AtDpi(kHeight, dpi);
  MoveWindow(combo, AtDpi(left, dpi), AtDpi(kTop, dpi), AtDpi(width, dpi), height + AtDpi(kDroppedListHeight, dpi),
             TRUE);
  LRESULT field = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int pass = 0; pass < 2; ++pass) {
    RECT closed{};
    GetWindowRect(combo, &closed);
    field -= closed.bottom - closed.top - height;
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  }
}

}  // namespace

FormatBar::FormatBar() : Dialog(IDD_FORMAT_BAR), background_(CreateSolidBrush(GetSysColor(COLOR_MENU))) {}

bool FormatBar::Create(HWND parentMemoWindow, MemoEditor& editor) {
  editor_ = &editor;
  if (!CreateModeless(Modeless{parentMemoWindow, false, false})) return false;
  Sync();
  return true;
}

// The bar's places are pixels at 96 DPI, scaled to the memo's.
bool FormatBar::OnInit() {
  dpi_ = WindowDpi(GetParent(hwnd()));
  const int dpi = dpi_;
  const auto place = [dpi](HWND control, int left, int width) {
    MoveWindow(control, AtDpi(left, dpi), AtDpi(kTop, dpi), AtDpi(width, dpi), AtDpi(kHeight, dpi), FALSE);
  };
  for (std::size_t i = 0; i < toggles_.size(); ++i) {
    const Toggle& toggle = kToggles[i];
    const HWND button = Item(toggle.id);
    toggles_[i].Take(button);
    toggles_[i].LoadPicture(toggle.picture, dpi);
    place(button, kToggleLeft[i], kToggleWidth);
    tips_.Add(button, toggle.tip);
  }
  color_.Take(Item(IDC_FORMAT_COLOR));
  place(color_.hwnd(), kColorLeft, kColorWidth);
  tips_.Add(color_.hwnd(), "글자 색");

  FillSizeCombo(Item(IDC_FORMAT_SIZE));
  SendMessageW(Item(IDC_FORMAT_SIZE), CB_SETCURSEL, 2, 0);
  PlaceCombo(Item(IDC_FORMAT_SIZE), kSizeLeft, kSizeWidth, dpi);
  FillFaceCombo(Item(IDC_FORMAT_FACE));
  PlaceCombo(Item(IDC_FORMAT_FACE), kFaceLeft, kFaceWidth, dpi);
  SendMessageW(Item(IDC_FORMAT_FACE), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(AtDpi(kDroppedListWidth, dpi)), 0);
  tips_.Add(Item(IDC_FORMAT_SIZE), "글자 크기");
  tips_.Add(Item(IDC_FORMAT_FACE), "글꼴");
  return false;  // the editor keeps the keyboard
}

void FormatBar::Sync() {
  if (!hwnd() || !editor_) return;
  const SelectionFormat selection = editor_->Selection();
  for (std::size_t i = 0; i < toggles_.size(); ++i) toggles_[i].SetChecked((selection.*kToggles[i].state)());
  color_.SetColor(selection.Color());
  SelectSize(Item(IDC_FORMAT_SIZE), selection.Size());
  SelectFace(Item(IDC_FORMAT_FACE), selection.Face());
}

void FormatBar::SetBackground(COLORREF color) {
  background_.Reset(CreateSolidBrush(color));
  for (BitmapButton& toggle : toggles_) toggle.SetBackground(color);
  color_.SetBackground(color);
  if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

void FormatBar::Apply(const std::function<void(SelectionFormat&)>& change) {
  SelectionFormat selection = editor_->Selection();
  change(selection);
  Sync();
  SetFocus(editor_->hwnd());
}

void FormatBar::OnCommand(UINT id, UINT notification) {
  for (std::size_t i = 0; i < toggles_.size(); ++i) {
    if (id == static_cast<UINT>(kToggles[i].id) && notification == BN_CLICKED) {
      Apply([&](SelectionFormat& selection) { (selection.*kToggles[i].toggle)(); });
      return;
    }
  }
  if (id == IDC_FORMAT_COLOR && notification == ColorButton::kColorChosen) {
    Apply([&](SelectionFormat& selection) { selection.SetColor(color_.color()); });
    return;
  }
  // A choice in the open list, or a key on the closed one.
  const HWND combo = Item(static_cast<int>(id));
  const bool chosen = notification == CBN_SELENDOK ||
                      (notification == CBN_SELCHANGE && !SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  if (!chosen) return;
  if (id == IDC_FORMAT_SIZE) {
    if (const std::optional<int> size = SelectedSize(combo)) {
      Apply([&](SelectionFormat& selection) { selection.SetSize(*size); });
    }
  } else if (id == IDC_FORMAT_FACE) {
    if (const std::optional<std::string> face = SelectedFace(combo)) {
      Apply([&](SelectionFormat& selection) { selection.SetFace(*face); });
    }
  }
}

bool FormatBar::OnMessage(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_CTLCOLORDLG:
      result = reinterpret_cast<LRESULT>(background_.Get());
      return true;
    case WM_SIZE:
      PlaceCombo(Item(IDC_FORMAT_FACE), kFaceLeft, FaceComboWidth(MulDiv(LOWORD(message.lParam), kBaseDpi, dpi_)),
                 dpi_);
      return true;
    default:
      return false;
  }
}

}  // namespace quillet::win
