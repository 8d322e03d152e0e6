#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// The layered-window functions, looked up by name so that the program still starts where
// USER32.dll lacks them.
class LayeredWindowApi {
 public:
  explicit LayeredWindowApi(HMODULE user32);

  bool available() const { return setAttributes_ && update_; }
  bool SetAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) const;
  bool Update(HWND hwnd, HDC screen, POINT* position, SIZE* size, HDC source, POINT* sourcePosition, COLORREF key,
              BLENDFUNCTION* blend, DWORD flags) const;

 private:
  using SetAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  using UpdateFunction = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);

  SetAttributesFunction setAttributes_ = nullptr;
  UpdateFunction update_ = nullptr;
};

}  // namespace quillet::win
