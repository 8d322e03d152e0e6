#include "memo/TitleDialog.h"

#include "controls/ColorButton.h"
#include "controls/FontFaceCombo.h"
#include "controls/FontSizeCombo.h"
#include "framework/Dialog.h"
#include "framework/Screen.h"
#include "framework/StorableText.h"
#include "platform/Wide.h"
#include "resources/MemoResources.h"

namespace quillet::win {

namespace {

constexpr int kTitleLimit = 60;
constexpr int kRegularWeight = 400;
constexpr int kBoldWeight = 700;

class TitleDialog final : public Dialog {
 public:
  TitleDialog(const std::string& title, const TitleFont& font) : Dialog(IDD_TITLE), edit_{title, font} {}

  const TitleEdit& edit() const { return edit_; }

 private:
  bool OnInit() override {
    const HWND text = Item(IDC_TITLE_TEXT);
    SendMessageW(text, EM_LIMITTEXT, kTitleLimit, 0);
    SetWindowTextW(text, WidenCp949(edit_.title).c_str());
    FillFaceCombo(Item(IDC_TITLE_FACE));
    SelectFace(Item(IDC_TITLE_FACE), edit_.font.face);
    FillSizeCombo(Item(IDC_TITLE_SIZE));
    SelectSize(Item(IDC_TITLE_SIZE), edit_.font.height);
    color_.Take(Item(IDC_TITLE_COLOR));
    color_.SetColor(edit_.font.color);
    CheckDlgButton(hwnd(), IDC_TITLE_BOLD, edit_.font.weight >= kBoldWeight ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hwnd(), IDC_TITLE_ITALIC, edit_.font.italic ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hwnd(), IDC_TITLE_UNDERLINE, edit_.font.underline ? BST_CHECKED : BST_UNCHECKED);

    PresentForTyping(hwnd(), text);
    return false;
  }

  // A face or size the lists do not hold stays as it was.
  void OnOK() override {
    std::optional<std::string> title = ReadStorableText(Item(IDC_TITLE_TEXT));
    if (!title) return;
    edit_.title = std::move(*title);
    TitleFont& font = edit_.font;
    font.face = SelectedFace(Item(IDC_TITLE_FACE)).value_or(font.face);
    font.height = SelectedSize(Item(IDC_TITLE_SIZE)).value_or(font.height);
    font.color = color_.color();
    font.weight = IsDlgButtonChecked(hwnd(), IDC_TITLE_BOLD) == BST_CHECKED ? kBoldWeight : kRegularWeight;
    font.italic = IsDlgButtonChecked(hwnd(), IDC_TITLE_ITALIC) == BST_CHECKED;
    font.underline = IsDlgButtonChecked(hwnd(), IDC_TITLE_UNDERLINE) == BST_CHECKED;
    End(IDOK);
  }

  TitleEdit edit_;
  ColorButton color_;
};

}  // namespace

std::optional<TitleEdit> AskForTitle(HWND memoWindow, const std::string& title, const TitleFont& font) {
  TitleDialog dialog(title, font);
  if (dialog.RunModal(memoWindow) != IDOK) return std::nullopt;
  return dialog.edit();
}

}  // namespace quillet::win
