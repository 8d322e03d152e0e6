#include "framework/GdiPlusSession.h"

#include "framework/GdiPlusApi.h"

namespace quillet::win {

GdiPlusSession::GdiPlusSession() {
  Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, background thread, external codecs
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) token_ = token;
}

GdiPlusSession::~GdiPlusSession() {
  if (token_) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace quillet::win
