#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/GridList.h"
#include "framework/Dialog.h"
#include "memo/RecycleBin.h"

namespace quillet {
class FileSystem;
class TextCodec;
}  // namespace quillet

namespace quillet::win {

// "지운 메모 복원": the deleted memos (".brt") with a preview, restored into the open group or
// erased; in manual recovery ("수동 메모 복구") the content files no memo list names.
class RestoreDialog final : public Dialog {
 public:
  struct Services {
    HINSTANCE instance;
    FileSystem& files;
    const TextCodec& codec;
    std::function<std::string()> dataFolder;
    // A memo of the content file in the open group; `save` writes the list. False when no memo
    // could be made.
    std::function<bool(const std::string& contentFile, bool save)> restore;
  };
  // Made modeless, shown without activation; `owner`, a `ModelessOwner`, is told when it closes.
  static WindowPtr<RestoreDialog> Make(HWND owner, const Services& services, RestoreMode mode);

  RestoreMode mode() const { return mode_; }
  // A memo was just deleted to the bin as `name`.
  void AddEntry(const std::string& name);

 private:
  RestoreDialog(const Services& services, RestoreMode mode);

  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;
  void OnOK() override { End(IDCANCEL); }

  void Refill();
  void Preview();
  void ClearPreview();
  // Takes row `row` out and selects the one before it (or the first).
  void RemoveRow(int row);
  // Moves a deleted memo back to ".rtf" (nothing to move in manual recovery). False after saying
  // it could not.
  bool TakeBack(const RestoreEntry& entry, std::string& contentFile);
  void RestoreSelected();
  void RestoreAll();
  void DeleteSelected();
  void DeleteAll();
  std::string PathOf(const std::string& name) const;

  Services services_;
  RestoreMode mode_;
  WindowPtr<GridList> grid_;
  std::vector<RestoreEntry> entries_;
  bool erasable_ = true;  // false in manual recovery when a memo list could not be read
  int previewed_ = -1;
};

}  // namespace quillet::win
