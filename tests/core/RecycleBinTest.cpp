#include <gtest/gtest.h>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "memo/MemoListFormat.h"
#include "memo/RecycleBin.h"

namespace quillet {
namespace {

using testing::MemoryFileSystem;
using testing::TinyCodec;

const std::string kFolder = "D:\\Notes\\";

std::string ListOf(std::vector<std::string> contentFiles) {
  std::vector<MemoRecord> records;
  for (std::string& file : contentFiles) {
    MemoRecord record;
    record.contentFile = std::move(file);
    records.push_back(record);
  }
  return SerializeMemoList(records);
}

class RecycleBinTest : public ::testing::Test {
 protected:
  RecycleBinTest() {
    files.AddFile(kFolder + "Work.qld", ListOf({"Work1.rtf", "both.rtf"}));
    files.AddFile(kFolder + "Hidden.qld", ListOf({"hidden1.rtf"}), false);
    files.AddFile(kFolder + "RecycleBin.qlr", ListOf({"Both.RTF", "kept1.rtf"}));
  }

  MemoryFileSystem files;
  TinyCodec codec;
};

TEST_F(RecycleBinTest, EveryListNamesItsContentFilesHiddenOnesAndTheTemporaryStorageToo) {
  const ListedContentFiles all = ContentFilesOfLists(files, codec, kFolder);
  EXPECT_TRUE(all.complete);
  EXPECT_EQ(all.keys, (std::vector<std::string>{"both.rtf", "hidden1.rtf", "kept1.rtf", "work1.rtf"}));
  EXPECT_TRUE(all.Names("WORK1.rtf"));
  EXPECT_FALSE(all.Names("orphan.rtf"));

  const ListedContentFiles others = ContentFilesOfLists(files, codec, kFolder, "work.QLD");
  EXPECT_EQ(others.keys, (std::vector<std::string>{"both.rtf", "hidden1.rtf", "kept1.rtf"}));
  EXPECT_EQ(files.changes(), 0);
}

TEST_F(RecycleBinTest, AListThatCannotBeReadWholeLeavesTheSetIncomplete) {
  std::string cut = ListOf({"a.rtf", "b.rtf"});
  cut.pop_back();
  const struct {
    const char* what;
    std::string bytes;
    bool lock;
  } cases[] = {
      {"locked", ListOf({"x.rtf"}), true},
      {"foreign", ListOf({"x.rtf"}).replace(4, 4, "XXXX"), false},
      {"garbage", "\xff\xff\xff", false},
      {"cut short", cut, false},
  };
  for (const auto& c : cases) {
    MemoryFileSystem disk;
    disk.AddFile(kFolder + "Work.qld", ListOf({"w.rtf"}));
    disk.AddFile(kFolder + "Bad.qld", c.bytes);
    if (c.lock) disk.Lock(kFolder + "Bad.qld");
    const ListedContentFiles listed = ContentFilesOfLists(disk, codec, kFolder);
    EXPECT_FALSE(listed.complete) << c.what;
    EXPECT_TRUE(listed.Names("w.rtf")) << c.what;
    EXPECT_TRUE(ContentFilesOfLists(disk, codec, kFolder, "bad.qld").complete) << c.what;
  }
}

TEST_F(RecycleBinTest, TheDialogListsArchivedFilesOfItsModeWithTheirTimes) {
  const auto add = [&](const std::string& name, bool archive, int minute) {
    files.AddFile(kFolder + name, "{\\rtf1}", archive);
    files.SetModified(kFolder + name, LocalTime{2026, 3, 7, 9, minute, 30, 0, 6});
  };
  add("deleted.brt", true, 5);
  add("hidden.brt", false, 6);
  add("old.BRT", true, 7);
  add("Work1.rtf", true, 8);
  add("orphan.rtf", true, 9);
  add("hiddenorphan.rtf", false, 10);
  const ListedContentFiles listed = ContentFilesOfLists(files, codec, kFolder);

  const auto names = [](const std::vector<RestoreEntry>& entries) {
    std::vector<std::string> out;
    for (const RestoreEntry& entry : entries) out.push_back(entry.name + " " + entry.timeText);
    return out;
  };
  EXPECT_EQ(names(RestoreEntries(files, kFolder, RestoreMode::RecycleBin, listed)),
            (std::vector<std::string>{"deleted.brt 2026년03월07일 09시05분", "old.BRT 2026년03월07일 09시07분"}));
  EXPECT_EQ(names(RestoreEntries(files, kFolder, RestoreMode::ManualRecovery, listed)),
            (std::vector<std::string>{"orphan.rtf 2026년03월07일 09시09분"}));
  EXPECT_EQ(RestoreTimeText(LocalTime{999, 12, 31, 23, 59}), "999년12월31일 23시59분");
  EXPECT_EQ(RestoredName("a.b.brt"), "a.b.rtf");
  EXPECT_EQ(RestoredName("old.BRT"), "old.rtf");
}

}  // namespace
}  // namespace quillet
