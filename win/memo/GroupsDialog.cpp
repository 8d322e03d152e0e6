#include "memo/GroupsDialog.h"

#include <shlobj.h>

#include <cstdio>
#include <optional>

#include "framework/InputDialog.h"
#include "framework/ProgramMessageBox.h"
#include "framework/Screen.h"
#include "memo/RecycleBin.h"
#include "platform/Wide.h"
#include "resources/GroupResources.h"
#include "settings/DataLocations.h"
#include "settings/SettingsStore.h"
#include "storage/Paths.h"

namespace quillet::win {

namespace {

constexpr int kItemHeight = 20;

// "Quillet - 메모 그룹 삭제": how to delete a group that holds memos.
class DeleteGroupDialog final : public Dialog {
 public:
  explicit DeleteGroupDialog(int memoCount) : Dialog(IDD_DELETE_GROUP), memoCount_(memoCount) {}

 private:
  bool OnInit() override {
    SendMessageW(Item(IDC_DELETE_GROUP_ICON), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_QUESTION)),
                 0);
    char text[160];
    std::snprintf(text, sizeof text, "현재의 그룹은 %d 개의 메모를 포함하고 있습니다.\n모두 삭제하시겠습니까?",
                  memoCount_);
    SetWindowTextW(Item(IDC_DELETE_GROUP_COUNT), WidenCp949(text).c_str());
    CentreOnCursorMonitor(hwnd(), HWND_TOPMOST);
    SetForegroundWindow(hwnd());
    return true;
  }

  void OnCommand(UINT id, UINT notification) override {
    if (id == IDC_DELETE_GROUP_TO_BIN || id == IDC_DELETE_GROUP_EVERYTHING || id == IDC_DELETE_GROUP_LIST_ONLY) {
      End(id);
      return;
    }
    Dialog::OnCommand(id, notification);
  }

  int memoCount_;
};

std::optional<GroupDeleteMode> AskHowToDeleteGroup(HWND owner, int memoCount) {
  DeleteGroupDialog dialog(memoCount);
  switch (dialog.RunModal(owner)) {
    case IDC_DELETE_GROUP_TO_BIN: return GroupDeleteMode::ToRecycleBin;
    case IDC_DELETE_GROUP_EVERYTHING: return GroupDeleteMode::Everything;
    case IDC_DELETE_GROUP_LIST_ONLY: return GroupDeleteMode::ListOnly;
    default: return std::nullopt;
  }
}

// `start` is the folder's item list: Wine's browser finds a folder by path only sometimes.
int CALLBACK StartAtFolder(HWND browser, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED && start) SendMessageW(browser, BFFM_SETSELECTIONW, FALSE, start);
  return 0;
}

// The folder the user picks in the system's folder browser, starting at `start`.
std::optional<std::wstring> BrowseForFolder(HWND owner, const std::wstring& start) {
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.lpszTitle = L"데이타 폴더를 선택하세요";
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = StartAtFolder;
  PIDLIST_ABSOLUTE startItem = ILCreateFromPathW(start.c_str());
  browse.lParam = reinterpret_cast<LPARAM>(startItem);
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (startItem) ILFree(startItem);
  if (!chosen) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  const bool named = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!named || !path[0]) return std::nullopt;
  return std::wstring(path);
}

}  // namespace

GroupsDialog::GroupsDialog(const Services& services) : Dialog(IDD_MEMO_GROUPS), services_(services) {}

WindowPtr<GroupsDialog> GroupsDialog::Make(HWND owner, const Services& services) {
  WindowPtr<GroupsDialog> dialog(new GroupsDialog(services));
  if (!dialog->CreateModeless(Modeless{owner, true, true})) return nullptr;
  return dialog;
}

bool GroupsDialog::OnInit() {
  SendMessageW(Item(IDC_GROUP_LIST), LB_SETITEMHEIGHT, 0, kItemHeight);
  Refill();
  CentreOnCursorMonitor(hwnd(), HWND_TOPMOST);
  return true;
}

void GroupsDialog::Present() {
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

std::string GroupsDialog::Folder() const { return services_.settings.values().general.dataFolder; }

void GroupsDialog::Refill() {
  const GeneralSettings& general = services_.settings.values().general;
  listing_ = ListGroupsForDialog(services_.files, general.dataFolder, general.memoDbFile);
  const HWND list = Item(IDC_GROUP_LIST);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& file : listing_.files) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WidenCp949(GroupDisplayName(file)).c_str()));
  }
  SendMessageW(list, LB_SETCURSEL, listing_.selected, 0);
  SetWindowTextW(Item(IDC_OPEN_GROUP_NAME), WidenCp949(listing_.openName).c_str());
  SetWindowTextW(Item(IDC_DATA_FOLDER), WidenCp949(general.dataFolder).c_str());
}

std::string GroupsDialog::SelectedFile() const {
  const LRESULT index = SendMessageW(Item(IDC_GROUP_LIST), LB_GETCURSEL, 0, 0);
  if (index < 0 || static_cast<std::size_t>(index) >= listing_.files.size()) return {};
  return listing_.files[static_cast<std::size_t>(index)];
}

void GroupsDialog::Say(GroupChange change) {
  switch (change) {
    case GroupChange::UnusableName: ShowProgramMessage(hwnd(), "그룹 이름으로 사용할 수 없습니다."); break;
    case GroupChange::AlreadyExists: ShowProgramMessage(hwnd(), "이미 존재하는 그룹입니다."); break;
    case GroupChange::Unreadable:
      ShowProgramMessage(hwnd(), "그룹 파일을 읽을 수 없어 이름을 변경하지 않았습니다.");
      break;
    case GroupChange::Failed:
    case GroupChange::Done: break;
  }
}

void GroupsDialog::Add() {
  const std::optional<std::string> name = AskForText(hwnd(), "새 그룹을 입력하세요", "");
  if (!name || name->empty()) return;
  if (!services_.saveMemos()) return;
  const GroupChange change = AddGroup(services_.lists, services_.files, Folder(), *name);
  if (change == GroupChange::Failed) ShowProgramMessage(hwnd(), "그룹을 만들지 못하였습니다.");
  Say(change);
  Refill();
}

// The file moves first: the open group takes the new name only once its list has it.
void GroupsDialog::Rename() {
  const std::string file = SelectedFile();
  if (file.empty()) return;
  const std::optional<std::string> name = AskForText(hwnd(), "그룹 이름을 변경하세요", GroupDisplayName(file));
  if (!name || name->empty()) return;
  if (!services_.saveMemos()) return;
  const GroupChange change = RenameGroup(services_.lists, services_.files, Folder(), file, *name);
  GeneralSettings& general = services_.settings.values().general;
  if (change == GroupChange::Done && IsOpenGroup(file, general.memoDbFile)) general.memoDbFile = *name + ".qld";
  if (change == GroupChange::Failed) ShowProgramMessage(hwnd(), "그룹 이름을 변경하지 못하였습니다.");
  Say(change);
  Refill();
}

// A list that cannot be read is never deleted: its memos would be lost unseen.
void GroupsDialog::Delete() {
  if (listing_.files.size() <= 1) {
    ShowProgramMessage(hwnd(), "메모 그룹이 하나밖에 없을때는 삭제할 수 없습니다");
    return;
  }
  const std::string file = SelectedFile();
  if (file.empty()) return;
  if (IsOpenGroup(file, services_.settings.values().general.memoDbFile)) {
    ShowProgramMessage(hwnd(), "작업중인 메모 그룹은 삭제할 수 없습니다. \n다른 메모 그룹을 선택한 후 삭제하세요.");
    return;
  }
  const std::string folder = Folder();
  const GroupContents contents = ReadGroupForDelete(services_.files, services_.codec, folder, file);
  if (!contents.readable) {
    ShowProgramMessage(hwnd(), "그룹 파일을 읽을 수 없어 삭제하지 않았습니다.");
    return;
  }
  GroupDeleteMode mode = GroupDeleteMode::ListOnly;
  if (contents.contentFiles.empty()) {
    if (ShowProgramMessage(hwnd(), "선택한 그룹을 삭제하시겠습니까?", MessageKind::Question) != IDYES) return;
  } else {
    const std::optional<GroupDeleteMode> chosen =
        AskHowToDeleteGroup(hwnd(), static_cast<int>(contents.contentFiles.size()));
    if (!chosen) return;
    mode = *chosen;
  }
  const ListedContentFiles elsewhere = ContentFilesOfLists(services_.files, services_.codec, folder, file);
  // Without every other list read, a file they share could go with this group.
  if (!elsewhere.complete && mode != GroupDeleteMode::ListOnly) {
    ShowProgramMessage(hwnd(), "다른 메모 목록을 읽을 수 없어 메모 데이터는 지우지 않습니다.");
    mode = GroupDeleteMode::ListOnly;
  }
  if (!DeleteGroup(services_.files, folder, file, contents, mode, elsewhere.keys)) {
    ShowProgramMessage(hwnd(), "그룹을 삭제하지 못하였습니다.");
  }
  Refill();
}

void GroupsDialog::OpenSelected() {
  const std::string file = SelectedFile();
  if (file.empty()) return;
  services_.openGroup(file);
}

void GroupsDialog::ChooseFolder() {
  if (services_.settings.IsPortable()) {
    ShowProgramMessage(hwnd(), "포터블 버전에서는 폴더를 변경할 수 없습니다");
    return;
  }
  const std::string current = Folder();
  // Without the closing backslash, which the browser does not take for a folder.
  std::wstring start = WidenCp949(current);
  while (start.size() > 3 && (start.back() == L'\\' || start.back() == L'/')) start.pop_back();
  const std::optional<std::wstring> chosen = BrowseForFolder(hwnd(), start);
  if (!chosen) return;
  const std::optional<std::string> narrow = NarrowToCp949Exactly(*chosen);
  if (!narrow) {
    ShowProgramMessage(hwnd(), "이 폴더는 데이타 폴더로 사용할 수 없습니다.");
    return;
  }
  const std::string folder = NormaliseFolder(*narrow);
  if (PathKey(folder) == PathKey(current)) return;
  if (!services_.saveMemos()) return;
  const std::string group = GroupInNewFolder(services_.files, folder, services_.settings.values().general.memoDbFile);
  services_.changeDataFolder(folder, group);
  Refill();
}

void GroupsDialog::OnCommand(UINT id, UINT notification) {
  if (id == IDC_GROUP_LIST) {
    if (notification == LBN_DBLCLK) OpenSelected();
    return;
  }
  if (notification != BN_CLICKED) return Dialog::OnCommand(id, notification);
  switch (id) {
    case IDC_GROUP_ADD: return Add();
    case IDC_GROUP_RENAME: return Rename();
    case IDC_GROUP_DELETE: return Delete();
    case IDC_GROUP_OPEN: return OpenSelected();
    case IDC_STORAGE_OPEN: return services_.openGroup(kTemporaryStorageGroupFile);
    case IDC_CHOOSE_DATA_FOLDER: return ChooseFolder();
    default: return Dialog::OnCommand(id, notification);
  }
}

}  // namespace quillet::win
