#include <gtest/gtest.h>

#include <algorithm>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "memo/MemoGroups.h"
#include "memo/MemoListFormat.h"
#include "memo/RecycleBin.h"

namespace quillet {
namespace {

using testing::FixedClock;
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

class GroupFilesTest : public ::testing::Test {
 protected:
  void Add(const std::string& name, std::string bytes = ListOf({}), bool archive = true) {
    files.AddFile(kFolder + name, std::move(bytes), archive);
  }

  MemoryFileSystem files;
  TinyCodec codec;
  FixedClock clock;
  MemoListStore store{files, codec, clock};
};

TEST(GroupNameTest, OnlyNamesWindowsCanHoldAsAFileAreUsable) {
  const std::string longest(260 - kFolder.size() - 5 - kLongestSideSuffix, 'n');
  const std::vector<std::string> usable = {"Work", "회의 2026", "v1.2", " lead", "console", "COM0", "LPT10", longest};
  const std::vector<std::string> unusable = {
      longest + "n", "",       "a\\b",   "a/b", "a:b", "a*",      "a?",     "\"a\"", "<a>",  "a|b",
      "tab\t",       "trail ", "trail.", "con", "prn", "Con.txt", "NUL .x", "aux",   "com1", "Lpt9"};
  for (const std::string& name : usable) EXPECT_TRUE(IsUsableGroupName(name, kFolder)) << name;
  for (const std::string& name : unusable) EXPECT_FALSE(IsUsableGroupName(name, kFolder)) << name;
}

TEST_F(GroupFilesTest, MenusAndTheDialogListArchivedGroupsInListingOrderWithoutChangingAnything) {
  Add("Work.qld");
  Add("Hidden.qld", ListOf({}), false);
  Add("Home.qld");
  Add("RecycleBin.qlr");
  Add("note.rtf");
  EXPECT_EQ(GroupFiles(files, kFolder), (std::vector<std::string>{"Work.qld", "Home.qld"}));
  EXPECT_EQ(MenuGroupFiles(files, kFolder), (std::vector<std::string>{"Work.qld", "Home.qld", "RecycleBin.qlr"}));

  const struct {
    std::string open;
    std::size_t selected;
    std::string openName;
  } cases[] = {
      {"home.QLD", 1, "home"},      // other letter case
      {"Hidden.qld", 0, "Hidden"},  // archive attribute cleared
      {"Gone.qld", 0, "Gone"},      // no such file
      {"RecycleBin.qlr", 0, "임시 보관함"},
  };
  for (const auto& c : cases) {
    const GroupListing listing = ListGroupsForDialog(files, kFolder, c.open);
    EXPECT_EQ(listing.files.size(), 2u);
    EXPECT_EQ(listing.selected, c.selected) << c.open;
    EXPECT_EQ(listing.openName, c.openName);
  }
  EXPECT_EQ(files.changes(), 0);
  const GroupListing empty = ListGroupsForDialog(files, "D:\\Empty\\", "DefaultMemo.qld");
  EXPECT_EQ(empty.files, std::vector<std::string>{"DefaultMemo.qld"});
  EXPECT_EQ(empty.selected, 0u);
  EXPECT_EQ(GroupDisplayName("a.b.qld"), "a.b");

  for (int n = 0; n < 250; ++n) Add("g" + std::to_string(n) + ".qld");
  const std::vector<std::string> menu = MenuGroupFiles(files, kFolder);
  ASSERT_EQ(menu.size(), kMaxMenuGroups + 1);
  EXPECT_EQ(menu.back(), "RecycleBin.qlr");
}

TEST_F(GroupFilesTest, AddingNeverMeetsAnExistingFileInAnyLetterCase) {
  Add("Old.QLD", ListOf({"o.rtf"}));
  Add("Hid.qld", ListOf({"h.rtf"}), false);
  EXPECT_EQ(AddGroup(store, files, kFolder, "old"), GroupChange::AlreadyExists);
  EXPECT_EQ(AddGroup(store, files, kFolder, "HID"), GroupChange::AlreadyExists);
  EXPECT_EQ(AddGroup(store, files, kFolder, "bad?"), GroupChange::UnusableName);
  EXPECT_EQ(files.Bytes(kFolder + "Old.QLD"), ListOf({"o.rtf"}));
  EXPECT_EQ(files.Bytes(kFolder + "Hid.qld"), ListOf({"h.rtf"}));

  files.FailWritesTo(kFolder + "Full.qld");
  EXPECT_EQ(AddGroup(store, files, kFolder, "Full"), GroupChange::Failed);
  EXPECT_FALSE(files.Has(kFolder + "Full.qld"));

  EXPECT_EQ(AddGroup(store, files, kFolder, "New"), GroupChange::Done);
  const ParsedMemoList added = ParseMemoList(files.Bytes(kFolder + "New.qld"), codec, {});
  EXPECT_EQ(added.signature, ListSignature::Known);
  EXPECT_TRUE(added.records.empty());
}

TEST_F(GroupFilesTest, RenamingNeverReplacesAFileAndAFailureChangesNothing) {
  Add("Work.qld", ListOf({"w.rtf"}));
  Add("home.qld", ListOf({"h.rtf"}));
  Add("Hid.qld", ListOf({}), false);
  Add("Locked.qld", ListOf({"l.rtf"}));
  files.Lock(kFolder + "Locked.qld");
  const std::set<std::string> before = files.NamesIn(kFolder);

  EXPECT_EQ(RenameGroup(store, files, kFolder, "Work.qld", "Home"), GroupChange::AlreadyExists);
  EXPECT_EQ(RenameGroup(store, files, kFolder, "Work.qld", "hid"), GroupChange::AlreadyExists);
  EXPECT_EQ(RenameGroup(store, files, kFolder, "Work.qld", "WORK"), GroupChange::AlreadyExists);
  EXPECT_EQ(RenameGroup(store, files, kFolder, "Work.qld", "a/b"), GroupChange::UnusableName);
  EXPECT_EQ(RenameGroup(store, files, kFolder, "Locked.qld", "Free"), GroupChange::Failed);
  EXPECT_EQ(RenameGroup(store, files, kFolder, "Gone.qld", "Free"), GroupChange::Failed);
  EXPECT_EQ(files.NamesIn(kFolder), before);
  EXPECT_EQ(files.Bytes(kFolder + "home.qld"), ListOf({"h.rtf"}));

  EXPECT_EQ(RenameGroup(store, files, kFolder, "Work.qld", "Work"), GroupChange::Done);
  EXPECT_EQ(RenameGroup(store, files, kFolder, "Work.qld", "Job"), GroupChange::Done);
  EXPECT_FALSE(files.Has(kFolder + "Work.qld"));
  EXPECT_EQ(files.Bytes(kFolder + "Job.qld"), ListOf({"w.rtf"}));
}

// The open group's memos are written to whatever file carries its name after a rename.
TEST_F(GroupFilesTest, ARenamedListKeepsWhatItsReadFound) {
  const ScreenGeometry screens{Size{1024, 768}, {Rect{0, 0, 1024, 768}}};
  std::vector<MemoRecord> records;
  Add("Locked.qld", ListOf({"l.rtf"}));
  files.Lock(kFolder + "Locked.qld");
  store.ReadGroup(kFolder, "Locked.qld", {}, screens, records);
  files.Unlock(kFolder + "Locked.qld");
  EXPECT_EQ(RenameGroup(store, files, kFolder, "Locked.qld", "Free"), GroupChange::Unreadable);
  EXPECT_EQ(files.Bytes(kFolder + "Locked.qld"), ListOf({"l.rtf"}));

  std::string cut = ListOf({"a.rtf", "b.rtf"});
  cut.pop_back();
  Add("Cut.qld", cut);
  store.ReadGroup(kFolder, "Cut.qld", {}, screens, records);
  ASSERT_EQ(RenameGroup(store, files, kFolder, "Cut.qld", "Whole"), GroupChange::Done);
  store.WriteGroup(kFolder, "Whole.qld", records);
  const std::set<std::string> names = files.NamesIn(kFolder);
  EXPECT_EQ(std::count_if(names.begin(), names.end(),
                          [&](const std::string& name) { return files.Bytes(kFolder + name) == cut; }),
            1)
      << "the damaged list was not kept aside";
}

TEST_F(GroupFilesTest, OnlyAListReadWholeMayBeDeleted) {
  std::string cut = ListOf({"a.rtf", "b.rtf"});
  cut.pop_back();
  const struct {
    std::string name;
    std::string bytes;
    bool readable;
    std::vector<std::string> contentFiles;
  } cases[] = {
      {"Good.qld", ListOf({"a.rtf", "..\\evil.rtf", "", "b.rtf"}), true, {"a.rtf", "b.rtf"}},
      {"Empty.qld", "", true, {}},
      {"Foreign.qld", ListOf({"a.rtf"}).replace(4, 4, "XXXX"), false, {}},
      {"Garbage.qld", "\xff\xff\xff", false, {}},
      {"Cut.qld", cut, false, {}},
      {"Locked.qld", ListOf({"a.rtf"}), false, {}},
  };
  Add("a.rtf");
  for (const auto& c : cases) Add(c.name, c.bytes);
  files.Lock(kFolder + "Locked.qld");
  for (const auto& c : cases) {
    const GroupContents contents = ReadGroupForDelete(files, codec, kFolder, c.name);
    EXPECT_EQ(contents.readable, c.readable) << c.name;
    EXPECT_EQ(contents.contentFiles, c.contentFiles) << c.name;
    if (!c.readable) {
      EXPECT_FALSE(DeleteGroup(files, kFolder, c.name, contents, GroupDeleteMode::Everything, {}));
      EXPECT_TRUE(files.Has(kFolder + c.name));
    }
  }
  EXPECT_TRUE(files.Has(kFolder + "a.rtf"));
  const GroupContents missing = ReadGroupForDelete(files, codec, kFolder, "Gone.qld");
  EXPECT_TRUE(missing.readable);
  EXPECT_TRUE(missing.contentFiles.empty());
}

TEST_F(GroupFilesTest, DeletingAGroupDealsWithItsOwnContentFilesByModeAndKeepsSharedOnes) {
  const struct {
    GroupDeleteMode mode;
    bool rtfKept;
    bool brtMade;
  } cases[] = {
      {GroupDeleteMode::ToRecycleBin, false, true},
      {GroupDeleteMode::Everything, false, false},
      {GroupDeleteMode::ListOnly, true, false},
  };
  for (const auto& c : cases) {
    MemoryFileSystem disk;
    disk.AddFile(kFolder + "Old.qld", ListOf({"own.rtf", "shared.rtf", "kept.rtf"}));
    disk.AddFile(kFolder + "Keep.qld", ListOf({"SHARED.RTF"}), false);
    disk.AddFile(kFolder + "RecycleBin.qlr", ListOf({"kept.rtf"}));
    for (const char* name : {"own.rtf", "shared.rtf", "kept.rtf"}) disk.AddFile(kFolder + name, "{\\rtf1}");

    const GroupContents contents = ReadGroupForDelete(disk, codec, kFolder, "Old.qld");
    const ListedContentFiles live = ContentFilesOfLists(disk, codec, kFolder, "old.QLD");
    ASSERT_TRUE(live.complete);
    EXPECT_TRUE(DeleteGroup(disk, kFolder, "Old.qld", contents, c.mode, live.keys));
    EXPECT_FALSE(disk.Has(kFolder + "Old.qld"));
    EXPECT_EQ(disk.Has(kFolder + "own.rtf"), c.rtfKept);
    EXPECT_EQ(disk.Has(kFolder + "own.brt"), c.brtMade);
    EXPECT_TRUE(disk.Has(kFolder + "shared.rtf"));
    EXPECT_TRUE(disk.Has(kFolder + "kept.rtf"));
    EXPECT_FALSE(disk.Has(kFolder + "shared.brt"));
  }

  // A list that cannot go keeps its memos as they were.
  Add("Old.qld", ListOf({"own.rtf"}));
  Add("own.rtf", "{\\rtf1}");
  files.Lock(kFolder + "Old.qld");
  const GroupContents contents{true, {"own.rtf"}};
  EXPECT_FALSE(DeleteGroup(files, kFolder, "Old.qld", contents, GroupDeleteMode::ToRecycleBin, {}));
  EXPECT_TRUE(files.Has(kFolder + "own.rtf"));
  EXPECT_FALSE(files.Has(kFolder + "own.brt"));
}

TEST_F(GroupFilesTest, ANewFolderKeepsTheOpenGroupOnlyWhenItsFileIsThere) {
  Add("work.QLD", ListOf({}), false);
  Add("Home.qld");
  const struct {
    std::string folder;
    std::string open;
    std::string chosen;
  } cases[] = {
      {kFolder, "Work.qld", "work.QLD"},  // there, though not archived
      {kFolder, "Gone.qld", "Home.qld"},
      {"D:\\Empty\\", "Work.qld", "DefaultMemo.qld"},
      {kFolder, "RecycleBin.qlr", "RecycleBin.qlr"},
  };
  for (const auto& c : cases) EXPECT_EQ(GroupInNewFolder(files, c.folder, c.open), c.chosen) << c.open;
}

// --- the recycle bin and manual recovery ---

class RecycleBinTest : public ::testing::Test {
 protected:
  RecycleBinTest() {
    files.AddFile(kFolder + "Work.qld", ListOf({"Work1.rtf", "both.rtf"}));
    files.AddFile(kFolder + "Hidden.qld", ListOf({"hidden1.rtf"}), false);
    files.AddFile(kFolder + "RecycleBin.qlr", ListOf({"Both.RTF", "kept1.rtf"}));
    files.AddFile(kFolder + "Work.qld.unsaved-20261208-093015", ListOf({"late1.rtf"}));
  }

  MemoryFileSystem files;
  TinyCodec codec;
};

TEST_F(RecycleBinTest, EveryListNamesItsContentFilesHiddenOnesAndTheTemporaryStorageToo) {
  const ListedContentFiles all = ContentFilesOfLists(files, codec, kFolder);
  EXPECT_TRUE(all.complete);
  EXPECT_EQ(all.keys, (std::vector<std::string>{"both.rtf", "hidden1.rtf", "kept1.rtf", "late1.rtf", "work1.rtf"}));
  EXPECT_TRUE(all.Names("WORK1.rtf"));
  EXPECT_FALSE(all.Names("orphan.rtf"));

  const ListedContentFiles others = ContentFilesOfLists(files, codec, kFolder, "work.QLD");
  EXPECT_EQ(others.keys, (std::vector<std::string>{"both.rtf", "hidden1.rtf", "kept1.rtf", "late1.rtf"}));
  EXPECT_EQ(files.changes(), 0);
}

// A file another list names is another group's memo too: it never goes with this one.
TEST_F(RecycleBinTest, ADeletedMemosFileGoesOnlyWhenNoOtherListNamesIt) {
  const struct {
    const char* file;
    MemoRemoval how;
    bool rtfKept;
    bool brtMade;
  } cases[] = {
      {"Work1.rtf", MemoRemoval::ForGood, false, false},  {"Work1.rtf", MemoRemoval::ToRecycleBin, false, true},
      {"both.rtf", MemoRemoval::ForGood, true, false},    {"both.rtf", MemoRemoval::ToRecycleBin, true, true},
      {"late1.rtf", MemoRemoval::ForGood, true, false},   {"gone.rtf", MemoRemoval::ToRecycleBin, false, false},
  };
  for (const auto& c : cases) {
    MemoryFileSystem disk = files;
    if (std::string(c.file) != "gone.rtf") disk.AddFile(kFolder + c.file, "{\\rtf1 x}");
    EXPECT_TRUE(RemoveContentFile(disk, codec, kFolder, "Work.qld", c.file, c.how)) << c.file;
    EXPECT_EQ(disk.Has(kFolder + c.file), c.rtfKept) << c.file;
    EXPECT_EQ(disk.Has(kFolder + DeletedName(c.file)), c.brtMade) << c.file;
  }
  MemoryFileSystem locked = files;
  locked.AddFile(kFolder + "Work1.rtf", "{\\rtf1 x}");
  locked.Lock(kFolder + "Work1.rtf");
  EXPECT_FALSE(RemoveContentFile(locked, codec, kFolder, "Work.qld", "Work1.rtf", MemoRemoval::ToRecycleBin));
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
