#include "framework/LayeredWindowApi.h"

namespace quillet::win {

namespace {

template <class Function>
Function Lookup(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

LayeredWindowApi::LayeredWindowApi(HMODULE user32)
    : setAttributes_(Lookup<SetAttributesFunction>(user32, "SetLayeredWindowAttributes")),
      update_(Lookup<UpdateFunction>(user32, "UpdateLayeredWindow")) {}

bool LayeredWindowApi::SetAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) const {
  return setAttributes_ && setAttributes_(hwnd, key, alpha, flags);
}

bool LayeredWindowApi::Update(HWND hwnd, HDC screen, POINT* position, SIZE* size, HDC source, POINT* sourcePosition,
                              COLORREF key, BLENDFUNCTION* blend, DWORD flags) const {
  return update_ && update_(hwnd, screen, position, size, source, sourcePosition, key, blend, flags);
}

}  // namespace quillet::win
