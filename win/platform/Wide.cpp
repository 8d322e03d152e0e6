#include "platform/Wide.h"

#include <algorithm>
#include <climits>

#include "platform/WinApi.h"

namespace quillet::win {

namespace {

constexpr UINT kCp949 = 949;
constexpr wchar_t kReplacement = 0xFFFD;
// The API counts in int; a run this long converts in one call.
constexpr std::size_t kMaxRun = 1u << 24;

bool IsSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }
bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Appends the conversion of `bytes`, or returns false (and appends nothing) if any of them
// is not valid CP949.
bool AppendWidenedStrictly(std::string_view bytes, std::wstring& out) {
  if (bytes.empty()) return true;
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return false;
  const int length = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(kCp949, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (needed <= 0) return false;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(needed));
  const int written =
      MultiByteToWideChar(kCp949, MB_ERR_INVALID_CHARS, bytes.data(), length, &out[start], needed);
  out.resize(start + static_cast<std::size_t>(std::max(written, 0)));
  return written > 0;
}

// Character by character, for text the one-call conversion refused.
void AppendWidenedCarefully(std::string_view text, std::wstring& out) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      out.push_back(static_cast<wchar_t>(byte));
      ++i;
      continue;
    }
    const bool lead = IsDBCSLeadByteEx(kCp949, byte) != FALSE;
    const std::size_t width = lead ? 2 : 1;
    if (i + width <= text.size() && AppendWidenedStrictly(text.substr(i, width), out)) {
      i += width;
    } else {
      // Only the offending byte goes; what follows may still be good text.
      out.push_back(kReplacement);
      ++i;
    }
  }
}

// Appends `units` (no surrogates among them) in CP949; false if some had no CP949 form.
bool AppendNarrowedRun(std::wstring_view units, std::string& out) {
  bool exact = true;
  while (!units.empty()) {
    const std::wstring_view run = units.substr(0, kMaxRun);
    units.remove_prefix(run.size());
    const int length = static_cast<int>(run.size());
    BOOL usedDefault = FALSE;
    const int needed = WideCharToMultiByte(kCp949, WC_NO_BEST_FIT_CHARS, run.data(), length, nullptr, 0, "?",
                                           &usedDefault);
    if (needed <= 0) {
      out.append(run.size(), '?');
      exact = false;
      continue;
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(needed));
    usedDefault = FALSE;
    const int written = WideCharToMultiByte(kCp949, WC_NO_BEST_FIT_CHARS, run.data(), length, &out[start],
                                            needed, "?", &usedDefault);
    out.resize(start + static_cast<std::size_t>(std::max(written, 0)));
    if (written <= 0 || usedDefault) exact = false;
  }
  return exact;
}

bool Narrow(std::wstring_view text, std::string& out) {
  out.reserve(text.size() * 2);
  bool exact = true;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = i;
    while (end < text.size() && !IsSurrogate(text[end])) ++end;
    if (!AppendNarrowedRun(text.substr(i, end - i), out)) exact = false;
    i = end;
    if (i == text.size()) break;
    // CP949 has nothing outside the BMP: a pair is one character, so one '?'.
    const bool pair = IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
    out.push_back('?');
    exact = false;
    i += pair ? 2 : 1;
  }
  return exact;
}

}  // namespace

std::wstring WidenCp949(std::string_view text) {
  std::wstring out;
  if (!AppendWidenedStrictly(text, out)) {
    out.clear();
    out.reserve(text.size());
    AppendWidenedCarefully(text, out);
  }
  return out;
}

std::string NarrowToCp949(std::wstring_view text) {
  std::string out;
  Narrow(text, out);
  return out;
}

std::optional<std::string> NarrowToCp949Exactly(std::wstring_view text) {
  std::string out;
  if (!Narrow(text, out)) return std::nullopt;
  return out;
}

}  // namespace quillet::win
