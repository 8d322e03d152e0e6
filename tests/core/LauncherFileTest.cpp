#include <gtest/gtest.h>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "launcher/LauncherFile.h"

namespace quillet {
namespace {

// UTF-8 spelled in escapes: the test's own literals are CP949.
const std::string kSmile = "\xF0\x9F\x98\x80";                // U+1F600, which CP949 lacks
const std::string kCalculator = "\xEA\xB3\x84\xEC\x82\xB0\xEA\xB8\xB0";  // 계산기

std::string Items(int n) {
  std::string text = "<Rauncher>";
  for (int i = 0; i < n; ++i) text += "<Item Path=\"C:\\p" + std::to_string(i) + ".exe\"/>";
  return text + "</Rauncher>";
}

class LauncherFileTest : public ::testing::Test {
 protected:
  LauncherFileTest() { files.AddFolder("C:\\Quillet"); }

  testing::MemoryFileSystem files;
  testing::FixedClock clock;
  const std::string path = "C:\\Quillet\\Rauncher00.xml";
  LauncherFile file{files, clock, path};
  std::vector<LauncherEntry> entries;
};

TEST_F(LauncherFileTest, EntriesKeepTextsCp949LacksThroughAWriteAndARead) {
  entries = {{"C:\\Tools\\" + kSmile + "\\app.exe", "-x \"a&b\" <c>", kCalculator}, {"D:\\b.exe", "", ""}};
  const std::vector<LauncherEntry> written = entries;
  EXPECT_EQ(file.Read(entries), LauncherReadStatus::NotFound);
  EXPECT_TRUE(entries.empty());
  EXPECT_EQ(file.Write(written).status, FileWriteStatus::Saved);
  EXPECT_EQ(files.Bytes(path), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Rauncher>\n    <Item Path=\"C:\\Tools\\" +
                                  kSmile + "\\app.exe\" Arguments=\"-x &quot;a&amp;b&quot; &lt;c&gt;\" Name=\"" +
                                  kCalculator +
                                  "\"/>\n    <Item Path=\"D:\\b.exe\" Arguments=\"\" Name=\"\"/>\n</Rauncher>\n");
  EXPECT_EQ(file.Read(entries), LauncherReadStatus::Loaded);
  EXPECT_EQ(entries, written);
}

TEST_F(LauncherFileTest, AtMost200EntriesAreReadWrittenOrAdded) {
  files.AddFile(path, Items(201));
  EXPECT_EQ(file.Read(entries), LauncherReadStatus::Damaged);
  ASSERT_EQ(entries.size(), kMaxLauncherEntries);
  EXPECT_EQ(entries.back().pathUtf8, "C:\\p199.exe");
  EXPECT_FALSE(AddLauncherEntry(entries, {"C:\\more.exe", "", ""}));

  entries.push_back({"C:\\more.exe", "", ""});
  EXPECT_EQ(file.Write(entries).status, FileWriteStatus::Saved);
  EXPECT_EQ(file.Read(entries), LauncherReadStatus::Loaded);
  EXPECT_EQ(entries.size(), kMaxLauncherEntries);

  std::vector<LauncherEntry> few;
  // No path; a tab, an overlong '/' and a control character in the texts.
  const LauncherEntry refusedEntries[] = {
      {"", "a", "b"}, {"C:\\a\tb.exe", "", ""}, {"C:\\a.exe", "", "\xC0\xAF"}, {"C:\\a.exe", "\x1F", ""}};
  for (const LauncherEntry& refused : refusedEntries) {
    EXPECT_FALSE(AddLauncherEntry(few, refused)) << refused.pathUtf8;
  }
  EXPECT_TRUE(AddLauncherEntry(few, {"C:\\a.exe", "", ""}));
  EXPECT_EQ(few.size(), 1u);
}

TEST_F(LauncherFileTest, WhatARewriteWouldDropMakesTheFileDamaged) {
  const struct {
    std::string bytes;
    std::size_t kept;
  } cases[] = {
      {"", 0},
      {"<Rauncher><Item Path=\"a\">", 0},
      {"<Launcher><Item Path=\"a\"/></Launcher>", 0},
      {"<Rauncher><Item Path=\"a\"/><Other/><Item/><Item Path=\"\"/></Rauncher>", 1},
      {"<Rauncher><Item Path=\"a\" Icon=\"b\"/><Item Path=\"c\"/></Rauncher>", 1},
      {"<Rauncher><Item Path=\"a&#xD800;\"/><Item Path=\"a&#13;\"/><Item Path=\"\xFF\"/></Rauncher>", 0},
      {"<Rauncher><Item Path=\"a\"/></Rauncher><Rauncher/>", 1},
  };
  for (const auto& c : cases) {
    LauncherFile damaged(files, clock, path);
    files.AddFile(path, c.bytes);
    EXPECT_EQ(damaged.Read(entries), LauncherReadStatus::Damaged) << c.bytes;
    EXPECT_EQ(entries.size(), c.kept) << c.bytes;
  }
  // Comments, a byte-order mark and missing optional texts are no damage.
  files.AddFile(path, "\xEF\xBB\xBF<!-- mine --><Rauncher><Item Path=\"a\"/></Rauncher>");
  EXPECT_EQ(file.Read(entries), LauncherReadStatus::Loaded);
  EXPECT_EQ(entries, (std::vector<LauncherEntry>{{"a", "", ""}}));
}

TEST_F(LauncherFileTest, ADamagedFileIsKeptAsideAndAnUnreadableOneNeverWritten) {
  const std::string damaged = "<Rauncher><Item Path=\"a\"/><Item/></Rauncher>";
  files.AddFile(path, damaged);
  EXPECT_EQ(file.Read(entries), LauncherReadStatus::Damaged);
  const FileWriteOutcome first = file.Write(entries);
  EXPECT_EQ(first.status, FileWriteStatus::Saved);
  EXPECT_EQ(first.keptAsidePath, path + ".damaged-20261208-093015");
  EXPECT_EQ(files.Bytes(first.keptAsidePath), damaged);
  EXPECT_EQ(file.Write(entries).keptAsidePath, "");

  LauncherFile locked(files, clock, path);
  const std::string before = files.Bytes(path);
  files.Lock(path);
  entries = {{"kept", "", ""}};
  EXPECT_EQ(locked.Read(entries), LauncherReadStatus::Unreadable);
  EXPECT_EQ(entries.size(), 1u);
  const FileWriteOutcome written = locked.Write(entries);
  EXPECT_EQ(written.status, FileWriteStatus::SavedElsewhere);
  EXPECT_EQ(files.Bytes(path), before);
  EXPECT_NE(files.Bytes(written.unsaved.path).find("Path=\"kept\""), std::string::npos);
}

}  // namespace
}  // namespace quillet
