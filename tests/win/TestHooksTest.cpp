#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

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

void WriteText(const std::wstring& path, const char* text) {
  std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << text;
}

std::string ReadText(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::wstring TempFile(const wchar_t* name) {
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  return std::wstring(temp, length) + name + std::to_wstring(GetCurrentProcessId()) + L".txt";
}

// The one trace file of the process: TraceLine reads its name once.
const std::wstring& TracePath() {
  static const std::wstring path = TempFile(L"quillet-trace-");
  return path;
}

// Seconds from `moment` to the clock's now.
std::int64_t Since(const Win32Clock& clock, const char* moment) {
  return LocalSeconds(clock.Now()) - LocalSeconds(*ParseTestMoment(moment));
}

TEST(TestHooks, ClockMovesWhenTheFileIsWrittenAgain) {
  const std::wstring path = TempFile(L"quillet-now-");
  WriteText(path, "2030-01-01 00:00:00");  // left from an earlier run
  DeleteFileW(TracePath().c_str());
  ASSERT_TRUE(SetEnvironmentVariableW(L"QUILLET_TEST_TRACE", TracePath().c_str()));
  ASSERT_TRUE(SetEnvironmentVariableW(L"QUILLET_TEST_NOW_FILE", path.c_str()));
  ASSERT_TRUE(SetEnvironmentVariableA("QUILLET_TEST_NOW", "2031-12-31 23:59:58"));
  const Win32Clock clock;
  SetEnvironmentVariableA("QUILLET_TEST_NOW", nullptr);
  SetEnvironmentVariableW(L"QUILLET_TEST_NOW_FILE", nullptr);
  const std::int64_t utcBefore = clock.UtcSeconds();
  EXPECT_LE(std::llabs(Since(clock, "2031-12-31 23:59:59")), 1);

  Sleep(150);
  WriteText(path, "2032-02-29 12:00:00\r\n");
  Sleep(150);
  EXPECT_LE(std::llabs(Since(clock, "2032-02-29 12:00:01")), 1);
  EXPECT_LE(std::llabs(clock.UtcSeconds() - utcBefore - (LocalSeconds(*ParseTestMoment("2032-02-29 12:00:00")) -
                                                          LocalSeconds(*ParseTestMoment("2031-12-31 23:59:58")))),
            2);

  WriteText(path, "2032-02-30 12:00:00");
  Sleep(150);
  EXPECT_LE(std::llabs(Since(clock, "2032-02-29 12:00:01")), 1);
  SetEnvironmentVariableW(L"QUILLET_TEST_TRACE", nullptr);
  DeleteFileW(path.c_str());
  EXPECT_EQ(ReadText(TracePath()), "2032-02-29 12:00:00 clock moved\n");
  DeleteFileW(TracePath().c_str());
}

TEST(TestHooks, TestMillisecondsTakesOnlyAWholeNumberInRange) {
  const std::pair<const wchar_t*, unsigned> cases[] = {
      {nullptr, 10000}, {L"250", 250}, {L"100", 100}, {L"3600000", 3600000}, {L"99", 10000},
      {L"3600001", 10000}, {L"99999999999999", 10000}, {L"12x", 10000}, {L"-5", 10000}, {L"", 10000}};
  for (const auto& [value, expected] : cases) {
    SetEnvironmentVariableW(L"QUILLET_TEST_E2E_MS", value);
    EXPECT_EQ(TestMilliseconds(L"QUILLET_TEST_E2E_MS", 10000), expected) << (value ? "set" : "unset");
  }
  SetEnvironmentVariableW(L"QUILLET_TEST_E2E_MS", nullptr);
}

TEST(TestHooks, TraceAppendsLinesToTheNamedFile) {
  const std::wstring& path = TracePath();
  DeleteFileW(path.c_str());
  ASSERT_TRUE(SetEnvironmentVariableW(L"QUILLET_TEST_TRACE", path.c_str()));
  TraceLine("minute", *ParseTestMoment("2024-03-09 10:15:00"));
  TraceLine("day", *ParseTestMoment("2024-03-10 00:00:00"));
  SetEnvironmentVariableW(L"QUILLET_TEST_TRACE", nullptr);

  const std::string text = ReadText(path);
  DeleteFileW(path.c_str());
  EXPECT_EQ(text, "2024-03-09 10:15:00 minute\n2024-03-10 00:00:00 day\n");
}

}  // namespace
}  // namespace quillet::win
