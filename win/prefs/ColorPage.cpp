#include "prefs/ColorPage.h"

#include <cstdio>

#include "framework/Dpi.h"
#include "framework/Fonts.h"
#include "memo/MemoColors.h"
#include "memo/MemoLayout.h"
#include "memo/MemoPainting.h"
#include "resources/PreferenceResources.h"
#include "settings/PreferenceRules.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

// A memo of one palette colour, drawn as the desktop shows it: the title strip's gradient, the
// frame and the editor's paper with a few words.
class SampleMemo final : public Dialog {
 public:
  SampleMemo() : Dialog(IDD_PREFS_SAMPLE_MEMO) {}
  void Show(Colorref color, int index, bool skinType) {
    color_ = color;
    index_ = index;
    skinType_ = skinType;
    InvalidateRect(hwnd(), nullptr, FALSE);
  }

 private:
  void OnOK() override {}
  void OnCancel() override {}
  bool OnMessage(const Message& message, LRESULT& result) override {
    if (message.id == WM_ERASEBKGND) {
      result = TRUE;
      return true;
    }
    if (message.id != WM_PAINT) return false;
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd(), &paint);
    Paint(dc);
    EndPaint(hwnd(), &paint);
    result = 0;
    return true;
  }

  void Paint(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const Size size{client.right, client.bottom};
    MemoPicture picture;
    picture.measures = MemoMeasures::At(WindowDpi(hwnd()));
    const int strip = picture.measures.titleStrip;
    picture.client = size;
    picture.skinType = skinType_;
    picture.colors = ColorsFor(color_, skinType_);
    PaintMemo(dc, picture);
    const std::vector<Colorref> column = TitleStripColumn(color_, strip);
    for (int y = 0; y < strip && y < static_cast<int>(column.size()); ++y) {
      const Colorref c = skinType_ ? picture.colors.title : column[static_cast<std::size_t>(y)];
      Brush brush(CreateSolidBrush(static_cast<COLORREF>(c)));
      RECT row{0, y, size.width, y + 1};
      FillRect(dc, &row, brush.Get());
    }
    const Rect paper = MemoEditorRect(size, MemoViewState{true, false, false, false}, 0, picture.measures);
    const Colorref back = picture.colors.title;
    Brush brush(CreateSolidBrush(static_cast<COLORREF>(back)));
    RECT area{paper.left, paper.top, paper.right, paper.bottom};
    FillRect(dc, &area, brush.Get());
    if (!font_) font_ = MakeFont(KoreanFace(), -picture.measures.Scaled(12), FW_NORMAL);
    const HGDIOBJ old = SelectObject(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    wchar_t text[64];
    std::swprintf(text, 64, L"색상 %d\n\n오늘 할 일\n메모 미리 보기", index_ + 1);
    InflateRect(&area, -picture.measures.Scaled(3), -picture.measures.Scaled(2));
    DrawTextW(dc, text, -1, &area, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
  }

  Colorref color_ = 0;
  int index_ = 0;
  bool skinType_ = false;
  mutable Font font_;
};

ColorPage::ColorPage(const PreferencesServices& services) : PreferencesPage(IDD_PREFS_COLORS, services) {}

ColorPage::~ColorPage() = default;

bool ColorPage::OnInit() {
  for (std::size_t i = 0; i < swatches_.size(); ++i) swatches_[i].Take(Item(IDC_SWATCH_FIRST + static_cast<int>(i)));
  RECT area{};
  GetWindowRect(Item(IDC_COLOR_SAMPLE_AREA), &area);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
  sample_.reset(new SampleMemo);
  if (sample_->CreateModeless(Modeless{hwnd(), false, false})) {
    SetWindowPos(sample_->hwnd(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  ShowColors(values().color);
  ShowSample(values().general.defaultColorType % kPaletteSize);
  return false;
}

void ColorPage::ShowColors(const ColorSettings& colors) {
  for (std::size_t i = 0; i < swatches_.size(); ++i) swatches_[i].SetColor(colors.palette[i].value);
  Check(IDC_RANDOM_COLOR, colors.randomColor);
}

void ColorPage::ShowSample(int index) {
  if (index < 0 || index >= kPaletteSize || !sample_ || !sample_->hwnd()) return;
  const bool flat = values().general.skinType == TitleBarStyle::Flat;
  sample_->Show(swatches_[static_cast<std::size_t>(index)].color(), index, flat);
}

// The palette is written at once: memos look their colours up by index whenever they paint.
void ColorPage::Apply() {
  ColorSettings& colors = values().color;
  for (std::size_t i = 0; i < swatches_.size(); ++i) colors.palette[i] = Bgr{swatches_[i].color()};
  colors.randomColor = Checked(IDC_RANDOM_COLOR);
  services().settings.SaveGeneralKeys({"Type00", "Type01", "Type02", "Type03", "Type04", "Type05", "Type06",
                                       "Type07", "Type08", "Type09", "Type10", "Type11"});
}

void ColorPage::Reset() { ShowColors(DefaultColors()); }

void ColorPage::OnCommand(UINT id, UINT notification) {
  const int swatch = static_cast<int>(id) - IDC_SWATCH_FIRST;
  if (swatch >= 0 && swatch < kPaletteSize) {
    if (notification == ColorButton::kColorChosen) ShowSample(swatch);
    return;
  }
  const int more = static_cast<int>(id) - IDC_SWATCH_MORE_FIRST;
  if (more >= 0 && more < kPaletteSize && notification == BN_CLICKED) {
    SendMessageW(Item(IDC_SWATCH_FIRST + more), BM_CLICK, 0, 0);
    return;
  }
  PreferencesPage::OnCommand(id, notification);
}

}  // namespace quillet::win
