#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/TestTrace.h"
#include "platform/Win32Clock.h"
#include "platform/WinApi.h"
#include "time/TestMoment.h"

namespace quillet::win {
namespace {

TEST(TestHooks, ClockRunsOnFromTheGivenMoment) {
  const Win32Clock real;
  ASSERT_TRUE(SetEnvironmentVariableA("QUILLET_TEST_NOW", "2031-12-31 23:59:58"));
  const Win32Clock shifted;
  ASSERT_TRUE(SetEnvironmentVariableA("QUILLET_TEST_NOW", "2031-12-31 25:00:00"));
  const Win32Clock badValue;
  SetEnvironmentVariableA("QUILLET_TEST_NOW", nullptr);

  const std::int64_t shift = shifted.UtcSeconds() - real.UtcSeconds();
  const std::int64_t fromStart = LocalSeconds(shifted.Now()) - LocalSeconds(*ParseTestMoment("2031-12-31 23:59:58"));
  EXPECT_GE(fromStart, 0);
  EXPECT_LE(fromStart, 2);
  EXPECT_LE(std::llabs(LocalSeconds(shifted.Now()) - LocalSeconds(real.Now()) - shift), 1);
  EXPECT_LE(std::llabs(badValue.UtcSeconds() - real.UtcSeconds()), 1);
}

TEST(TestHooks, TraceAppendsLinesToTheNamedFile) {
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  ASSERT_GT(length, 0u);
  const std::wstring path = std::wstring(temp, length) + L"quillet-trace-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
  DeleteFileW(path.c_str());
  ASSERT_TRUE(SetEnvironmentVariableW(L"QUILLET_TEST_TRACE", path.c_str()));
  TraceLine("minute", *ParseTestMoment("2024-03-09 10:15:00"));
  TraceLine("day", *ParseTestMoment("2024-03-10 00:00:00"));
  SetEnvironmentVariableW(L"QUILLET_TEST_TRACE", nullptr);

  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  file.close();
  DeleteFileW(path.c_str());
  EXPECT_EQ(text.str(), "2024-03-09 10:15:00 minute\n2024-03-10 00:00:00 day\n");
}

}  // namespace
}  // namespace quillet::win
