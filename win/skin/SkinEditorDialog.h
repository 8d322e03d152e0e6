#pragma once

#include <string>

#include "framework/Dialog.h"

namespace quillet {
class FileSystem;
}

namespace quillet::win {

// "Skin 파일 수정": the skin file's text, every byte of it, written back in one step on "적용".
// A write that fails is said and the dialog stays open with the text. Ends with IDOK once the
// file was written.
class SkinEditorDialog final : public Dialog {
 public:
  SkinEditorDialog(FileSystem& files, std::string path);

 private:
  bool OnInit() override;
  void OnOK() override;
  void OnCommand(UINT id, UINT notification) override;

  FileSystem& files_;
  std::string path_;
};

}  // namespace quillet::win
