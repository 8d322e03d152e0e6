#include "prefs/MemoPage.h"

#include <commctrl.h>

#include <cstdio>

#include "controls/FontFaceCombo.h"
#include "controls/FontSizeCombo.h"
#include "framework/Fonts.h"
#include "memo/FontSizes.h"
#include "platform/Wide.h"
#include "resources/PreferenceResources.h"
#include "settings/PreferenceRules.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

MemoPage::MemoPage(const PreferencesServices& services) : PreferencesPage(IDD_PREFS_MEMO, services) {}

bool MemoPage::OnInit() {
  const GeneralSettings& general = values().general;
  FillGrid(IDC_NEW_WIDTH, kNewMemoWidthGrid, general.startDx);
  FillGrid(IDC_NEW_HEIGHT, kNewMemoHeightGrid, general.startDy);
  FillGrid(IDC_FOLDED_WIDTH, kFoldedWidthGrid, general.contractDx);
  SetupSlider(IDC_FOLDED_ALPHA, general.minTransVal, IDC_FOLDED_ALPHA_LABEL);
  SetupSlider(IDC_EXPANDED_ALPHA, general.maxTransVal, IDC_EXPANDED_ALPHA_LABEL);
  Check(IDC_NEW_ON_TOP, IsMemoAlwaysOnTop(general.memoZPosition));

  FillFaceCombo(Item(IDC_NEW_FONT_FACE));
  SelectFace(Item(IDC_NEW_FONT_FACE), general.fontName);
  // A face this computer lacks stays the stored one, shown as it is.
  if (!SelectedFace(Item(IDC_NEW_FONT_FACE)) && !general.fontName.empty()) {
    const std::wstring face = WidenCp949(general.fontName);
    SendMessageW(Item(IDC_NEW_FONT_FACE), CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(face.c_str()));
    SendMessageW(Item(IDC_NEW_FONT_FACE), CB_SETCURSEL, 0, 0);
  }
  FillSizeCombo(Item(IDC_NEW_TEXT_SIZE));
  SelectSize(Item(IDC_NEW_TEXT_SIZE), general.textSize);
  Check(IDC_NEW_BOLD, general.bold);
  Check(IDC_NEW_ITALIC, general.italic);
  Check(IDC_NEW_UNDERLINE, general.underLine);
  const std::wstring face = KoreanFace();
  bold_ = MakeFont(face, -12, FW_BOLD);
  italic_ = MakeFont(face, -12, FW_NORMAL);
  underline_ = MakeFont(face, -12, FW_NORMAL);
  LOGFONTW look{};
  GetObjectW(italic_.Get(), sizeof look, &look);
  look.lfItalic = TRUE;
  italic_ = Font(CreateFontIndirectW(&look));
  look.lfItalic = FALSE;
  look.lfUnderline = TRUE;
  underline_ = Font(CreateFontIndirectW(&look));
  SendMessageW(Item(IDC_NEW_BOLD), WM_SETFONT, reinterpret_cast<WPARAM>(bold_.Get()), FALSE);
  SendMessageW(Item(IDC_NEW_ITALIC), WM_SETFONT, reinterpret_cast<WPARAM>(italic_.Get()), FALSE);
  SendMessageW(Item(IDC_NEW_UNDERLINE), WM_SETFONT, reinterpret_cast<WPARAM>(underline_.Get()), FALSE);
  textColor_.Take(Item(IDC_NEW_TEXT_COLOR));
  textColor_.SetColor(general.textColor.value);
  timeColor_.Take(Item(IDC_INACTIVE_TITLE_COLOR));
  timeColor_.SetColor(general.inactiveTitleCol.value);
  ShowFontSample();

  FillCombo(IDC_TITLE_BAR, {"볼록하게", "평평하게"});
  SelectItem(IDC_TITLE_BAR, ChoiceIndexOf(general.skinType, 2));
  Check(IDC_FIT_TITLE_WIDTH, general.fitTitleWidth);
  std::vector<std::string> monitors;
  for (int i = 1; i <= services().monitorCount; ++i) {
    char item[32];
    std::snprintf(item, sizeof item, "%d번 모니터", i);
    monitors.emplace_back(item);
  }
  FillCombo(IDC_WORK_MONITOR, monitors);
  SelectItem(IDC_WORK_MONITOR, ChoiceIndexOf(general.workMonitor, services().monitorCount));
  Enable(IDC_WORK_MONITOR, services().monitorCount > 1);
  FillCombo(IDC_MEMO_TIP_MODE, {"사용하지 않음", "마우스가 메모 위에 있을때", "메모가 선택되었을 때",
                                "Ctrl Key 누른 상태에서 메모 위에 있을때", "선택되거나 Ctrll Key 누르고  메모위에 있을때"});
  SendMessageW(Item(IDC_MEMO_TIP_MODE), CB_SETDROPPEDWIDTH, 260, 0);
  SelectItem(IDC_MEMO_TIP_MODE, ChoiceIndexOf(general.memoTipMode, 5));
  Check(IDC_MEMO_HIDING, general.mouseOverHiding);
  ShowHidingBox();
  Check(IDC_SIMPLE_INACTIVE, general.simpleMemoInactive);
  Check(IDC_VIEW_EDIT_TIME, general.viewEditTime);
  Enable(IDC_VIEW_EDIT_TIME, general.simpleMemoInactive);
  Check(IDC_RESTORE_SCROLL, general.restoreScrollPos);
  Check(IDC_HYPERLINK, general.hyperLink);
  BindHotkeys({{IDC_KEY_NEW_MEMO, 0}, {IDC_KEY_SHOW_ALL, 1}, {IDC_KEY_HIDE_ALL, 2}});
  return false;
}

void MemoPage::Apply() {
  GeneralSettings& general = values().general;
  StoreGrid(IDC_NEW_WIDTH, kNewMemoWidthGrid, general.startDx);
  StoreGrid(IDC_NEW_HEIGHT, kNewMemoHeightGrid, general.startDy);
  StoreGrid(IDC_FOLDED_WIDTH, kFoldedWidthGrid, general.contractDx);
  general.minTransVal = SliderValue(IDC_FOLDED_ALPHA);
  general.maxTransVal = SliderValue(IDC_EXPANDED_ALPHA);
  general.memoZPosition = StoredMemoZPosition(general.memoZPosition, Checked(IDC_NEW_ON_TOP));
  general.bold = Checked(IDC_NEW_BOLD);
  general.italic = Checked(IDC_NEW_ITALIC);
  general.underLine = Checked(IDC_NEW_UNDERLINE);
  general.textColor = Bgr{textColor_.color()};
  if (const std::optional<int> size = SelectedSize(Item(IDC_NEW_TEXT_SIZE))) general.textSize = *size;
  if (const std::optional<std::string> face = SelectedFace(Item(IDC_NEW_FONT_FACE))) general.fontName = *face;
  if (SelectedItem(IDC_TITLE_BAR) >= 0) general.skinType = ChoiceAt<TitleBarStyle>(SelectedItem(IDC_TITLE_BAR));
  general.fitTitleWidth = Checked(IDC_FIT_TITLE_WIDTH);
  if (SelectedItem(IDC_WORK_MONITOR) >= 0) general.workMonitor = SelectedItem(IDC_WORK_MONITOR);
  if (SelectedItem(IDC_MEMO_TIP_MODE) >= 0) {
    general.memoTipMode = ChoiceAt<MemoTipMode>(SelectedItem(IDC_MEMO_TIP_MODE));
  }
  general.mouseOverHiding = StoredMemoHiding(general.memoTipMode, Checked(IDC_MEMO_HIDING));
  general.simpleMemoInactive = Checked(IDC_SIMPLE_INACTIVE);
  general.viewEditTime = Checked(IDC_VIEW_EDIT_TIME);
  general.inactiveTitleCol = Bgr{timeColor_.color()};
  general.restoreScrollPos = Checked(IDC_RESTORE_SCROLL);
  general.hyperLink = Checked(IDC_HYPERLINK);
}

void MemoPage::Reset() {
  using D = MemoPageDefaults;
  SelectItem(IDC_NEW_WIDTH, GridIndexOf(kNewMemoWidthGrid, D::kStartDx));
  SelectItem(IDC_NEW_HEIGHT, GridIndexOf(kNewMemoHeightGrid, D::kStartDy));
  SelectItem(IDC_FOLDED_WIDTH, GridIndexOf(kFoldedWidthGrid, D::kContractDx));
  // The sliders act at once, and so does their reset.
  GeneralSettings& general = values().general;
  general.minTransVal = general.maxTransVal = D::kTransparency;
  SetupSlider(IDC_FOLDED_ALPHA, D::kTransparency, IDC_FOLDED_ALPHA_LABEL);
  SetupSlider(IDC_EXPANDED_ALPHA, D::kTransparency, IDC_EXPANDED_ALPHA_LABEL);
  services().host.ApplyMemoAlpha(true);
  services().host.ApplyMemoAlpha(false);
  Check(IDC_NEW_BOLD, false);
  Check(IDC_NEW_ITALIC, false);
  Check(IDC_NEW_UNDERLINE, false);
  textColor_.SetColor(0);
  SelectItem(IDC_NEW_TEXT_SIZE, D::kTextSizeIndex);
  ShowFontSample();
  SelectItem(IDC_TITLE_BAR, ChoiceIndexOf(D::kSkinType, 2));
  Check(IDC_FIT_TITLE_WIDTH, D::kFitTitleWidth);
  SelectItem(IDC_MEMO_TIP_MODE, ChoiceIndexOf(D::kMemoTipMode, 5));
  Check(IDC_MEMO_HIDING, D::kMouseOverHiding);
  ShowHidingBox();
  timeColor_.SetColor(D::kInactiveTitleCol.value);
  Check(IDC_RESTORE_SCROLL, D::kRestoreScrollPos);
  Check(IDC_HYPERLINK, D::kHyperLink);
}

// The hiding box only works without a folded-memo tip: choosing a tip clears it.
void MemoPage::ShowHidingBox() {
  const int tipMode = SelectedItem(IDC_MEMO_TIP_MODE);
  const bool selectable = MemoHidingSelectable(tipMode < 0 ? MemoTipMode::None : ChoiceAt<MemoTipMode>(tipMode));
  if (!selectable) Check(IDC_MEMO_HIDING, false);
  Enable(IDC_MEMO_HIDING, selectable);
}

void MemoPage::OnSimpleViewBox() {
  GeneralSettings& general = values().general;
  general.simpleMemoInactive = Checked(IDC_SIMPLE_INACTIVE);
  general.viewEditTime = Checked(IDC_VIEW_EDIT_TIME);
  Enable(IDC_VIEW_EDIT_TIME, general.simpleMemoInactive);
  services().host.ApplyMemoSettings();
}

void MemoPage::ShowFontSample() {
  const std::optional<std::string> face = SelectedFace(Item(IDC_NEW_FONT_FACE));
  const int points = SelectedSize(Item(IDC_NEW_TEXT_SIZE)).value_or(10);
  const int height = -MulDiv(points, GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSY), 72);
  LOGFONTW look{};
  look.lfHeight = height;
  look.lfWeight = Checked(IDC_NEW_BOLD) ? FW_BOLD : FW_NORMAL;
  look.lfItalic = Checked(IDC_NEW_ITALIC) ? TRUE : FALSE;
  look.lfUnderline = Checked(IDC_NEW_UNDERLINE) ? TRUE : FALSE;
  look.lfCharSet = DEFAULT_CHARSET;
  const std::wstring name = face ? WidenCp949(*face) : KoreanFace();
  lstrcpynW(look.lfFaceName, name.c_str(), LF_FACESIZE);
  sample_ = Font(CreateFontIndirectW(&look));
  SendMessageW(Item(IDC_NEW_FONT_SAMPLE), WM_SETFONT, reinterpret_cast<WPARAM>(sample_.Get()), TRUE);
}

void MemoPage::OnSlider(HWND slider) {
  const bool folded = slider == Item(IDC_FOLDED_ALPHA);
  if (!folded && slider != Item(IDC_EXPANDED_ALPHA)) return;
  GeneralSettings& general = values().general;
  (folded ? general.minTransVal : general.maxTransVal) = SliderValue(GetDlgCtrlID(slider));
  ShowSliderLabel(GetDlgCtrlID(slider), folded ? IDC_FOLDED_ALPHA_LABEL : IDC_EXPANDED_ALPHA_LABEL);
  services().host.ApplyMemoAlpha(folded);
}

void MemoPage::OnCommand(UINT id, UINT notification) {
  switch (id) {
    case IDC_MEMO_TIP_MODE:
      if (notification == CBN_SELCHANGE) ShowHidingBox();
      return;
    case IDC_SIMPLE_INACTIVE:
    case IDC_VIEW_EDIT_TIME:
      if (notification == BN_CLICKED) OnSimpleViewBox();
      return;
    case IDC_NEW_BOLD:
    case IDC_NEW_ITALIC:
    case IDC_NEW_UNDERLINE:
    case IDC_NEW_TEXT_COLOR:
      ShowFontSample();
      InvalidateRect(Item(IDC_NEW_FONT_SAMPLE), nullptr, TRUE);
      return;
    case IDC_NEW_FONT_FACE:
    case IDC_NEW_TEXT_SIZE:
      if (notification == CBN_SELCHANGE) ShowFontSample();
      return;
    default:
      PreferencesPage::OnCommand(id, notification);
  }
}

bool MemoPage::OnMessage(const Message& message, LRESULT& result) {
  if (message.id == WM_HSCROLL && message.lParam) {
    OnSlider(reinterpret_cast<HWND>(message.lParam));
    result = 0;
    return true;
  }
  if (message.id == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(message.lParam) == Item(IDC_NEW_FONT_SAMPLE)) {
    const HDC dc = reinterpret_cast<HDC>(message.wParam);
    SetTextColor(dc, textColor_.color());
    SetBkColor(dc, RGB(255, 255, 255));
    result = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    return true;
  }
  return false;
}

}  // namespace quillet::win
