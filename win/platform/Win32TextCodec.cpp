#include "platform/Win32TextCodec.h"

#include <algorithm>
#include <climits>

#include "platform/Wide.h"
#include "platform/WinApi.h"

namespace quillet::win {

namespace {

// UTF-16 from WidenCp949 is always well formed, so nothing here can be refused.
std::string WideToUtf8(std::wstring_view text) {
  std::string out;
  constexpr std::size_t kMaxRun = 1u << 24;
  while (!text.empty()) {
    std::size_t take = std::min(text.size(), kMaxRun);
    // Keep a pair together.
    if (take < text.size() && text[take - 1] >= 0xD800 && text[take - 1] <= 0xDBFF) --take;
    const std::wstring_view run = text.substr(0, take);
    text.remove_prefix(take);
    const int length = static_cast<int>(run.size());
    const int needed = WideCharToMultiByte(CP_UTF8, 0, run.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) continue;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(needed));
    const int written =
        WideCharToMultiByte(CP_UTF8, 0, run.data(), length, &out[start], needed, nullptr, nullptr);
    out.resize(start + static_cast<std::size_t>(std::max(written, 0)));
  }
  return out;
}

}  // namespace

std::string Win32TextCodec::Utf16ToCp949(std::u16string_view text) const {
  // wchar_t is the same 16-bit unit here; copying avoids reading one type through another.
  const std::wstring wide(text.begin(), text.end());
  return NarrowToCp949(wide);
}

std::string Win32TextCodec::Cp949ToUtf8(std::string_view text) const { return WideToUtf8(WidenCp949(text)); }

}  // namespace quillet::win
