#include "memo/MemoWindow.h"

// The memo's menu and its commands: the title strip's buttons, the format bar, the title,
// deleting, the file actions.

#include "controls/ColorChoice.h"
#include "controls/FileBoxes.h"
#include "framework/Keys.h"
#include "framework/Menus.h"
#include "framework/PostedCall.h"
#include "framework/ProgramMessageBox.h"
#include "memo/DeleteDialog.h"
#include "memo/RecycleBin.h"
#include "memo/DeleteRule.h"
#include "memo/FormatBar.h"
#include "memo/MemoFileActions.h"
#include "memo/MemoListStore.h"
#include "memo/MemoMessages.h"
#include "memo/MemoRequests.h"
#include "memo/PanelZOrder.h"
#include "settings/DataLocations.h"
#include "memo/TitleDialog.h"
#include "platform/ProgramLauncher.h"
#include "platform/Wide.h"
#include "ports/FileSystem.h"
#include "resources/MemoResources.h"
#include "resources/ProgramMessages.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

void MemoWindow::ShowMemoMenu(POINT at) {
  const OwnedMenu menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MEMO_MENU)));
  if (!menu) return;
  HMENU popup = GetSubMenu(menu.Get(), 0);
  if (!expanded()) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    std::wstring text = WidenCp949("펼치기");
    item.dwTypeData = text.data();
    SetMenuItemInfoW(popup, ID_MEMO_FOLD, FALSE, &item);
  }
  const ZPosition z = ModeFromStored<ZPosition>(record_.zPosition);
  const UINT checked = z == ZPosition::AlwaysOnTop ? ID_MEMO_ALWAYS_ON_TOP
                       : z == ZPosition::Desktop   ? ID_MEMO_DESKTOP
                                                   : ID_MEMO_NORMAL;
  CheckMenuItem(popup, checked, MF_BYCOMMAND | MF_CHECKED);
  sendTargets_ = services_.host.FillGroupMenus(GetSubMenu(popup, GetMenuItemCount(popup) - 2), nullptr);
  AppendProgramMenu(popup, services_.host.MakeProgramMenu());
  TrackMenu(hwnd(), popup, at);
}

void MemoWindow::AskToDelete(MemoRemoval how) const {
  PostCall<MemoRequests>(services_.host.CommandTarget(),
                         [memo = hwnd(), how](MemoRequests& program) { program.DeleteMemo(memo, how); });
}

void MemoWindow::AskToMove(const std::string& groupFile) const {
  PostCall<MemoRequests>(services_.host.CommandTarget(), [memo = hwnd(), groupFile](MemoRequests& program) {
    program.MoveMemoToGroup(memo, groupFile);
  });
}

void MemoWindow::AskForNewMemo() const {
  PostCall<MemoRequests>(services_.host.CommandTarget(), [](MemoRequests& program) { program.NewMemo(); });
}

void MemoWindow::OnStripButton(int id, POINT menuCorner) {
  switch (id) {
    case IDC_STRIP_PIN:
      TogglePin();
      break;
    case IDC_STRIP_MENU:
      ShowMemoMenu(menuCorner);
      break;
    case IDC_STRIP_NEW:
      services_.settings.values().general.defaultColorType = record_.colorType;
      services_.settings.SaveGeneralKeys({"DefaultColorType"});
      AskForNewMemo();
      break;
    case IDC_STRIP_FORMAT:
      ToggleFormatBar();
      break;
    case IDC_STRIP_COLOR:
      NextColor();
      break;
    case IDC_STRIP_DELETE:
      Delete();
      break;
    case IDC_STRIP_FOLD:
      Fold(false, false);
      break;
    default:
      break;
  }
}

void MemoWindow::ToggleFormatBar() {
  SetFormatBar(!record_.formatBarShown);
  ShowParts();
  SetModified();
}

void MemoWindow::SetFormatBar(bool shown) {
  record_.formatBarShown = shown ? 1 : 0;
  formatBar_.reset();
  if (!shown) return;
  formatBar_.reset(new FormatBar());
  if (formatBar_->Create(hwnd(), *editor_)) {
    formatBar_->SetBackground(colors_.formatBar);
    formatBar_->Sync();
  } else {
    formatBar_.reset();
  }
}

void MemoWindow::EditTitle() {
  if (titleDialogOpen_) return;
  titleDialogOpen_ = true;
  const std::optional<TitleEdit> edit = AskForTitle(hwnd(), record_.title, ParseTitleFont(record_.titleFont));
  titleDialogOpen_ = false;
  if (!edit || !hwnd()) return;
  record_.titleFont = FormatTitleFont(edit->font);
  record_.title = edit->title;
  services_.settings.values().general.titleFont = record_.titleFont;
  services_.settings.SaveGeneralKeys({"TitleFont"});
  Fold(expanded(), true);
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  SetModified();
}

// Modifiers as the command runs: Alt to the temporary storage group, Shift for good, Ctrl to the
// recycle bin; with none, a memo with content asks.
void MemoWindow::Delete() {
  const DeleteKeys keys{KeyHeld(VK_MENU), KeyHeld(VK_SHIFT), KeyHeld(VK_CONTROL)};
  switch (DecideDelete(keys, editor_->HasContent(), contentUnreadable_)) {
    case DeleteAction::ToTemporaryStorage:
      AskToMove(kTemporaryStorageGroupFile);
      return;
    case DeleteAction::ToRecycleBin:
      AskToDelete(MemoRemoval::ToRecycleBin);
      return;
    case DeleteAction::ForGood:
      AskToDelete(MemoRemoval::ForGood);
      return;
    case DeleteAction::Ask:
      break;
  }
  if (deleteDialogOpen_) return;
  deleteDialogOpen_ = true;
  const DeleteChoice answer = AskHowToDelete(hwnd());
  deleteDialogOpen_ = false;
  if (!hwnd()) return;
  switch (answer) {
    case DeleteChoice::RecycleBin:
      AskToDelete(MemoRemoval::ToRecycleBin);
      break;
    case DeleteChoice::TemporaryStorage:
      AskToMove(kTemporaryStorageGroupFile);
      break;
    case DeleteChoice::ForGood:
      AskToDelete(MemoRemoval::ForGood);
      break;
    case DeleteChoice::Cancel:
      break;
  }
}

void MemoWindow::SaveAsFile() {
  const std::optional<std::string> path =
      AskSavePath(hwnd(), FileBoxRequest{"서식있는 텍스트 (RTF) Files(*.rtf) ", L"*.rtf", record_.contentFile, L"rtf"});
  if (path && !editor_->ExportRtf(*path)) ShowProgramMessage(hwnd(), kMemoSaveFailedMessage);
}

void MemoWindow::OpenInWordPad() {
  if (editor_->IsModified()) SaveContent();
  OpenWithWordPad(ContentPath());
}

void MemoWindow::Print() {
  if (editor_->IsModified()) SaveContent();
  PrintRichText(hwnd(), editor_->hwnd(), record_.contentFile);
}

void MemoWindow::OnCommand(UINT id, UINT notification) {
  // The strip's buttons answer as commands of the memo too.
  if (id >= IDC_STRIP_DELETE && id <= IDC_STRIP_FOLD) {
    OnStripButton(static_cast<int>(id), POINT{});
    return;
  }
  if (id >= ID_MEMO_SEND_FIRST && id <= ID_MEMO_SEND_LAST) {
    const std::size_t index = id - ID_MEMO_SEND_FIRST;
    if (index < sendTargets_.size()) AskToMove(sendTargets_[index]);
    return;
  }
  switch (id) {
    case ID_MEMO_ALWAYS_ON_TOP:
    case ID_MEMO_NORMAL:
    case ID_MEMO_DESKTOP:
      ApplyZPosition(id == ID_MEMO_ALWAYS_ON_TOP ? ZPosition::AlwaysOnTop
                     : id == ID_MEMO_DESKTOP     ? ZPosition::Desktop
                                                 : ZPosition::Normal);
      SetModified();
      return;
    case ID_MEMO_FOLD:
      Fold(!expanded(), false);
      return;
    case ID_MEMO_HIDE:
      ShowWindow(hwnd(), SW_HIDE);
      return;
    case ID_MEMO_ARRANGE:
      services_.host.ArrangePanel(*this);
      return;
    case ID_MEMO_SKIN_COLOR:
      if (const std::optional<COLORREF> chosen = ChooseColorFrom(hwnd(), record_.paletteColor, customColors_)) {
        SetBaseColor(*chosen);
        SetModified();
      }
      return;
    case ID_MEMO_SCHEDULE:
      SaveContent();
      PostCall<MemoRequests>(services_.host.CommandTarget(),
                             [memo = hwnd()](MemoRequests& program) { program.EditMemoSchedule(memo); });
      return;
    case IDC_MEMO_TITLE:
      EditTitle();
      return;
    case ID_MEMO_DELETE:
      Delete();
      return;
    case ID_MEMO_SAVE_AS:
      SaveAsFile();
      return;
    case ID_MEMO_WORDPAD:
      OpenInWordPad();
      return;
    case ID_MEMO_PRINT:
      Print();
      return;
    case IDC_MEMO_EXPAND:
      Fold(true, false);
      services_.host.HideMemoTip();
      ShowParts();
      return;
    case IDOK:
    case IDCANCEL:
      return;
    default:
      DesktopPanel::OnCommand(id, notification);
  }
}

}  // namespace quillet::win
