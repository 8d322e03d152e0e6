#include <gtest/gtest.h>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "memo/MemoGroups.h"
#include "memo/MemoListFormat.h"
#include "memo/StarterFiles.h"

namespace quillet {
namespace {

using testing::FixedClock;
using testing::MemoryFileSystem;
using testing::TinyCodec;

const std::string kFolder = "D:\\Notes\\";

MemoRecord Memo(int n) {
  MemoRecord r;
  r.windowRect = Rect{10, 10, 200, 120};
  r.contentFile = std::to_string(n) + ".rtf";
  r.editTime = "2026-12-8 09:30";
  return r;
}

std::vector<MemoRecord> Memos(int count) {
  std::vector<MemoRecord> memos;
  for (int n = 0; n < count; ++n) memos.push_back(Memo(n));
  return memos;
}

class MemoGroupsTest : public ::testing::Test {
 protected:
  std::vector<MemoRecord> OnDisk(const std::string& group) {
    return ParseMemoList(files.Bytes(kFolder + group), codec, {}).records;
  }
  MoveOutcome Move(std::vector<MemoRecord>& current, std::size_t index, const std::string& target) {
    return MoveMemoToGroupList(store, kFolder, "Home.qld", current, index, target, MemoRecord{}, screens);
  }

  MemoryFileSystem files;
  TinyCodec codec;
  FixedClock clock;
  MemoListStore store{files, codec, clock};
  ScreenGeometry screens{Size{1024, 768}, {Rect{0, 0, 1024, 768}}};
};

TEST_F(MemoGroupsTest, OpeningIntoAMissingFolderMakesItWithTheStarterGroup) {
  files.AddFolder("D:\\");
  std::vector<MemoRecord> records;
  const GroupOpenOutcome outcome =
      OpenGroupList(store, files, kFolder, "", "Home.qld", false, MemoRecord{}, screens, records);
  EXPECT_EQ(outcome.status, GroupOpenStatus::Opened);
  EXPECT_EQ(outcome.read.status, ListReadStatus::Loaded);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].title, StarterMemoRecord().title);
  EXPECT_TRUE(files.Has(kFolder + "AboutQuillet.rtf"));
}

TEST_F(MemoGroupsTest, OpeningReportsAFolderThatCannotBeMade) {
  files.AddFolder("D:\\");
  files.FailFolderCreation();
  std::vector<MemoRecord> records;
  EXPECT_EQ(OpenGroupList(store, files, kFolder, "", "Home.qld", false, MemoRecord{}, screens, records).status,
            GroupOpenStatus::NoDataFolder);
  EXPECT_EQ(OpenGroupList(store, files, "", "", "Home.qld", false, MemoRecord{}, screens, records).status,
            GroupOpenStatus::NoDataFolder);
}

TEST_F(MemoGroupsTest, OpeningTheOpenGroupDoesNothingUnlessForced) {
  files.AddFile(kFolder + "Home.qld", SerializeMemoList(Memos(2)));
  std::vector<MemoRecord> records;
  EXPECT_EQ(OpenGroupList(store, files, kFolder, "Home.qld", "Home.qld", false, MemoRecord{}, screens, records).status,
            GroupOpenStatus::Unchanged);
  EXPECT_TRUE(records.empty());
  EXPECT_EQ(OpenGroupList(store, files, kFolder, "Home.qld", "Home.qld", true, MemoRecord{}, screens, records).status,
            GroupOpenStatus::Opened);
  EXPECT_EQ(records.size(), 2u);
}

TEST_F(MemoGroupsTest, OpeningTheTemporaryStorageGroupMakesIt) {
  files.AddFolder(kFolder);
  std::vector<MemoRecord> records;
  const GroupOpenOutcome outcome =
      OpenGroupList(store, files, kFolder, "Home.qld", "RecycleBin.qlr", false, MemoRecord{}, screens, records);
  EXPECT_EQ(outcome.read.status, ListReadStatus::Loaded);
  EXPECT_EQ(outcome.read.groupName, "RecycleBin.qlr");
  EXPECT_TRUE(records.empty());
}

TEST_F(MemoGroupsTest, AMovedMemoLeavesTheCurrentGroupAndJoinsTheTarget) {
  std::vector<MemoRecord> current = Memos(3);
  files.AddFile(kFolder + "Home.qld", SerializeMemoList(current));
  files.AddFile(kFolder + "Work.qld", SerializeMemoList({Memo(10)}));

  const MoveOutcome outcome = Move(current, 1, "Work.qld");
  EXPECT_EQ(outcome.status, MoveStatus::Moved);
  EXPECT_EQ(outcome.targetCount, 2);
  EXPECT_EQ(outcome.warning, "");
  EXPECT_EQ(current, (std::vector<MemoRecord>{Memo(0), Memo(2)}));
  EXPECT_EQ(OnDisk("Home.qld"), current);
  EXPECT_EQ(OnDisk("Work.qld"), (std::vector<MemoRecord>{Memo(10), Memo(1)}));
}

TEST_F(MemoGroupsTest, MovingIntoACrowdedGroupWarnsWithTheCountButStillMoves) {
  std::vector<MemoRecord> current = Memos(1);
  files.AddFile(kFolder + "Home.qld", SerializeMemoList(current));
  files.AddFile(kFolder + "Archive.2026.qld", SerializeMemoList(Memos(1000)));
  files.AddFile(kFolder + "RecycleBin.qlr", SerializeMemoList(Memos(1000)));

  std::vector<MemoRecord> second = current;
  const MoveOutcome toGroup = Move(current, 0, "Archive.2026.qld");
  EXPECT_EQ(toGroup.status, MoveStatus::Moved);
  EXPECT_EQ(toGroup.targetCount, 1001);
  EXPECT_EQ(toGroup.warning, "Archive.2026 그룹에 메모가 너무 많습니다 [현재 1001개]. \n메모를 정리해 주세요.");
  EXPECT_EQ(OnDisk("Archive.2026.qld").size(), 1001u);

  EXPECT_EQ(Move(second, 0, "RecycleBin.qlr").warning,
            "임시 보관함에 메모가 너무 많습니다 [현재 1001개]. \n메모를 정리해 주세요.");
  EXPECT_EQ(TooManyMemosWarning("Work.qld", 1000), "");
}

TEST_F(MemoGroupsTest, AMoveThatCannotReachTheTargetKeepsTheMemo) {
  std::vector<MemoRecord> current = Memos(2);
  const std::string home = SerializeMemoList(current);
  files.AddFile(kFolder + "Home.qld", home);
  files.AddFile(kFolder + "Locked.qld", SerializeMemoList({}));
  files.Lock(kFolder + "Locked.qld");
  files.AddFile(kFolder + "Full.qld", SerializeMemoList({}));
  files.FailWritesTo(kFolder + "Full.qld");

  EXPECT_EQ(Move(current, 0, "Locked.qld").status, MoveStatus::TargetUnreadable);
  EXPECT_EQ(Move(current, 0, "Full.qld").status, MoveStatus::TargetSaveFailed);
  EXPECT_EQ(Move(current, 5, "Work.qld").status, MoveStatus::NoSuchMemo);
  EXPECT_EQ(Move(current, 0, "home.QLD").status, MoveStatus::SameGroup);
  EXPECT_EQ(current.size(), 2u);
  EXPECT_EQ(files.Bytes(kFolder + "Home.qld"), home);
}

TEST_F(MemoGroupsTest, AMissingTargetIsAnEmptyGroupNotAnotherGroupsFile) {
  std::vector<MemoRecord> current = Memos(2);
  files.AddFile(kFolder + "Home.qld", SerializeMemoList(current));
  files.AddFile(kFolder + "Other.qld", SerializeMemoList(Memos(5)));
  EXPECT_EQ(Move(current, 0, "New.qld").status, MoveStatus::Moved);
  EXPECT_EQ(OnDisk("New.qld"), (std::vector<MemoRecord>{Memo(0)}));
}

TEST_F(MemoGroupsTest, WhenTheCurrentListCannotBeSavedTheMemoIsInBothNotLost) {
  std::vector<MemoRecord> current = Memos(2);
  files.AddFile(kFolder + "Home.qld", SerializeMemoList(current));
  files.FailWritesTo(kFolder + "Home.qld");
  EXPECT_EQ(Move(current, 0, "Work.qld").status, MoveStatus::SourceSaveFailed);
  EXPECT_EQ(OnDisk("Work.qld"), (std::vector<MemoRecord>{Memo(0)}));
  EXPECT_EQ(OnDisk("Home.qld").size(), 2u);
}

TEST_F(MemoGroupsTest, AMoveOutOfAnUnreadableListSaysWhereTheListWent) {
  std::vector<MemoRecord> current = Memos(2);
  files.AddFile(kFolder + "Home.qld", SerializeMemoList(current));
  files.Lock(kFolder + "Home.qld");
  std::vector<MemoRecord> unread;
  store.ReadGroup(kFolder, "Home.qld", MemoRecord{}, screens, unread);
  const MoveOutcome outcome = Move(current, 0, "Work.qld");
  EXPECT_EQ(outcome.status, MoveStatus::Moved);
  EXPECT_TRUE(outcome.unsaved.first);
  EXPECT_EQ(ParseMemoList(files.Bytes(outcome.unsaved.path), codec, {}).records, current);
}

}  // namespace
}  // namespace quillet
