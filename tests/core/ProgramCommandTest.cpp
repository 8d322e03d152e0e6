#include <gtest/gtest.h>

#include "launcher/ProgramCommand.h"

namespace quillet {
namespace {

TEST(ProgramCommand, ProgramPathsLoseTheirOuterQuotesOnly) {
  const struct {
    const char* text;
    const char* path;
  } cases[] = {
      {R"("C:\Program Files\Stub Browser\stub.exe")", R"(C:\Program Files\Stub Browser\stub.exe)"},
      {"  \"C:\\a b\\x.exe\"\t", R"(C:\a b\x.exe)"},
      {R"(C:\a b\x.exe)", R"(C:\a b\x.exe)"},
      {R"("C:\a b\x.exe" -new)", R"("C:\a b\x.exe" -new)"},  // a command, not a path: runs as typed
      {R"(")", R"(")"},
      {R"("")", ""},
      {"   ", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(UnquotedProgramPath(c.text), c.path) << c.text;
}

TEST(ProgramCommand, TheBrowserComesFromAppPathsAndRunsQuoted) {
  const struct {
    const char* value;
    const char* program;
  } browsers[] = {
      {R"("%ProgramFiles%\Internet Explorer\iexplore.exe")", R"(C:\Program Files\Internet Explorer\iexplore.exe)"},
      {R"(%PROGRAMFILES%\IE\%programfiles%.exe)", R"(C:\Program Files\IE\C:\Program Files.exe)"},
      {R"(D:\%ProgramFile%\x.exe)", R"(D:\%ProgramFile%\x.exe)"},
      {"%ProgramFiles", "%ProgramFiles"},
  };
  for (const auto& b : browsers) EXPECT_EQ(BrowserProgram(b.value, R"(C:\Program Files)"), b.program) << b.value;

  const std::string program = R"(C:\Program Files\Stub Browser\stub.exe)";
  EXPECT_EQ(BrowserCommandLine(program, "http://example.invalid/a b"),
            R"("C:\Program Files\Stub Browser\stub.exe" "http://example.invalid/a b")");
  EXPECT_EQ(BrowserCommandLine(program, ""), R"("C:\Program Files\Stub Browser\stub.exe")");
  EXPECT_EQ(BrowserCommandLine(program, R"(http://x/" C:\evil.exe ")"), std::nullopt);
  EXPECT_EQ(BrowserCommandLine(R"(C:\a"b.exe)", "http://x/"), std::nullopt);
  EXPECT_EQ(BrowserCommandLine("", "http://x/"), std::nullopt);
}

}  // namespace
}  // namespace quillet
