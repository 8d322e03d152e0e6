#pragma once

#include <functional>
#include <string>

#include "framework/Dialog.h"
#include "memo/MemoGroups.h"

namespace quillet {
class FileSystem;
class MemoListStore;
class SettingsStore;
class TextCodec;
}  // namespace quillet

namespace quillet::win {

// "메모 그룹 편집": the groups of the data folder, with add, rename, delete, open, the temporary
// storage, and the choice of another data folder. The main frame does what touches the open
// group's memos.
class GroupsDialog final : public Dialog {
 public:
  struct Services {
    SettingsStore& settings;
    FileSystem& files;
    const TextCodec& codec;
    MemoListStore& lists;
    // Saves every memo and the open list; false (after saying so) when anything failed.
    std::function<bool()> saveMemos;
    std::function<void(const std::string& groupFile)> openGroup;
    // Closes the open group, makes `folder` the data folder and opens `groupFile` there.
    std::function<void(const std::string& folder, const std::string& groupFile)> changeDataFolder;
  };
  // Made modeless, centred and on top; `owner`, a `ModelessOwner`, is told when it closes.
  static WindowPtr<GroupsDialog> Make(HWND owner, const Services& services);

  void Present();
  // The open group changed: "현재 열린 그룹" and the selection follow.
  void Refill();

 private:
  explicit GroupsDialog(const Services& services);

  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  void OnOK() override { End(IDCANCEL); }

  std::string Folder() const;
  // The group file of the selected entry, or "" when none is selected.
  std::string SelectedFile() const;
  void Say(GroupChange change);
  void Add();
  void Rename();
  void Delete();
  void OpenSelected();
  void ChooseFolder();

  Services services_;
  GroupListing listing_;
};

}  // namespace quillet::win
