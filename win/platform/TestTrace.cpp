#include "platform/TestTrace.h"

#include <cstdio>
#include <string>

#include "platform/WinApi.h"
#include "time/TestMoment.h"

namespace quillet::win {

namespace {

std::wstring TracePath() {
  const DWORD size = GetEnvironmentVariableW(L"QUILLET_TEST_TRACE", nullptr, 0);
  if (size == 0) return {};
  std::wstring path(size, L'\0');
  const DWORD got = GetEnvironmentVariableW(L"QUILLET_TEST_TRACE", path.data(), size);
  if (got == 0 || got >= size) return {};
  path.resize(got);
  return path;
}

}  // namespace

void TraceLine(const char* text, const LocalTime& at) {
  static const std::wstring path = TracePath();
  if (path.empty()) return;
  // Opened for each line, so a test may read or remove the file at any time.
  FILE* file = _wfopen(path.c_str(), L"ab");
  if (file == nullptr) return;
  const std::string line = FormatTestMoment(at) + ' ' + (text != nullptr ? text : "") + '\n';
  std::fwrite(line.data(), 1, line.size(), file);
  std::fclose(file);
}

unsigned TestMilliseconds(const wchar_t* variable, unsigned otherwise) {
  wchar_t value[16];
  const DWORD length = GetEnvironmentVariableW(variable, value, 16);
  if (length == 0 || length >= 16) return otherwise;
  unsigned long milliseconds = 0;
  for (DWORD i = 0; i < length; ++i) {
    if (value[i] < L'0' || value[i] > L'9') return otherwise;
    milliseconds = milliseconds * 10 + static_cast<unsigned long>(value[i] - L'0');
    if (milliseconds > 3600000) return otherwise;
  }
  return milliseconds >= 100 ? static_cast<unsigned>(milliseconds) : otherwise;
}

}  // namespace quillet::win
