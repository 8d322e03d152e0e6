#include "memo/RichEditLibrary.h"

#include <string>

#include "platform/WinApi.h"

namespace quillet::win {
namespace {

class Library {
 public:
  explicit Library(const wchar_t* name) {
    // From the system folder only: a DLL of that name beside the program must not be taken.
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    module_ = LoadLibraryW((std::wstring(folder) + L"\\" + name).c_str());
  }
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool Loaded() const { return module_ != nullptr; }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace

bool LoadRichEdit20() {
  static const Library library(L"RICHED20.DLL");
  return library.Loaded();
}

bool LoadRichEdit10() {
  static const Library library(L"RICHED32.DLL");
  return library.Loaded();
}

}  // namespace quillet::win
