#include "memo/RtfStream.h"

#include <richedit.h>

#include <cstring>

namespace quillet::win {
namespace {

constexpr DWORD kStreamFailed = 1;

DWORD CALLBACK ReadFromMemory(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto& rest = *reinterpret_cast<std::string_view*>(cookie);
  const std::size_t count = rest.size() < static_cast<std::size_t>(size) ? rest.size() : static_cast<std::size_t>(size);
  std::memcpy(buffer, rest.data(), count);
  rest.remove_prefix(count);
  *done = static_cast<LONG>(count);
  return 0;
}

DWORD CALLBACK WriteToMemory(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  *done = 0;
  try {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(size));
  } catch (...) {
    return kStreamFailed;  // nothing may unwind through the control
  }
  *done = size;
  return 0;
}

bool StreamIn(HWND control, std::string_view rtf, WPARAM format) {
  std::string_view rest = rtf;
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rest), 0, &ReadFromMemory};
  SendMessageW(control, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

}  // namespace

bool StreamInRtf(HWND control, std::string_view rtf) { return StreamIn(control, rtf, SF_RTF); }

bool StreamInRtfAtSelection(HWND control, std::string_view rtf) {
  return StreamIn(control, rtf, SF_RTF | SFF_SELECTION);
}

std::optional<std::string> StreamOutRtf(HWND control) {
  std::string rtf;
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rtf), 0, &WriteToMemory};
  SendMessageW(control, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  if (stream.dwError != 0) return std::nullopt;
  return rtf;
}

}  // namespace quillet::win
