#include <gtest/gtest.h>

#include "ByteBuilder.h"
#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "memo/MemoListFormat.h"
#include "memo/MemoListStore.h"

namespace quillet {
namespace {

using testing::ByteBuilder;
using testing::FixedClock;
using testing::MemoryFileSystem;
using testing::TinyCodec;

const std::string kFolder = "C:\\Quillet\\memo_data\\";

MemoRecord Memo(const std::string& content, Rect rect = Rect{100, 100, 300, 220}) {
  MemoRecord r;
  r.windowRect = rect;
  r.contentFile = content;
  r.title = "t";
  r.editTime = "2026-1-2 03:04";
  r.titleFont = "1|0|0|0|13|Tahoma";
  return r;
}

class MemoListStoreTest : public ::testing::Test {
 protected:
  MemoListStoreTest() { files.AddFolder(kFolder); }

  ListReadResult ReadCurrent(const std::string& group) {
    records.clear();
    return store.ReadCurrentGroup(kFolder, group, blank, screens, records);
  }
  std::string List(const std::vector<MemoRecord>& memos) { return SerializeMemoList(memos); }

  MemoryFileSystem files;
  TinyCodec codec;
  FixedClock clock;
  MemoListStore store{files, codec, clock};
  MemoRecord blank;
  ScreenGeometry screens{Size{1920, 1080}, {Rect{0, 0, 1920, 1080}}};
  std::vector<MemoRecord> records;
};

TEST_F(MemoListStoreTest, ReadsTheGroupAndFillsMissingEditTimesFromTheContentFiles) {
  MemoRecord noTime = Memo("b.rtf");
  noTime.editTime.clear();
  MemoRecord unsafe = Memo("..\\..\\Windows\\win.ini");
  unsafe.editTime.clear();
  files.AddFile(kFolder + "b.rtf", "{\\rtf1}");
  files.SetModified(kFolder + "b.rtf", LocalTime{2025, 4, 5, 6, 7, 8});
  files.AddFile("C:\\Windows\\win.ini", "x");
  files.SetModified("C:\\Windows\\win.ini", LocalTime{1999, 1, 1, 1, 1, 1});
  files.AddFile(kFolder + "Work.qld", List({Memo("a.rtf"), noTime, unsafe}));

  const ListReadResult result = ReadCurrent("Work.qld");
  EXPECT_EQ(result.status, ListReadStatus::Loaded);
  EXPECT_EQ(result.groupName, "Work.qld");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].editTime, "2026-1-2 03:04");
  EXPECT_EQ(records[1].editTime, "2025-4-5 06:07");
  // A name that leaves the data folder is treated as missing: the time is now, not win.ini's.
  EXPECT_EQ(records[2].editTime, "2026-12-8 09:30");
  EXPECT_FALSE(ContentFilePath(kFolder, unsafe.contentFile).has_value());
}

TEST_F(MemoListStoreTest, MissingCurrentGroupFallsBackToTheFirstArchivedGroup) {
  files.AddFile(kFolder + "Old.qld", List({Memo("x.rtf")}), /*archive=*/false);
  files.AddFile(kFolder + "Home.qld", List({Memo("h.rtf")}));
  files.AddFile(kFolder + "Later.qld", List({}));
  const ListReadResult result = ReadCurrent("Gone.qld");
  EXPECT_EQ(result.status, ListReadStatus::Loaded);
  EXPECT_EQ(result.groupName, "Home.qld");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].contentFile, "h.rtf");

  // A hidden default list is still the user's: read, never replaced by an old list's conversion.
  MemoryFileSystem hidden;
  hidden.AddFile(kFolder + "DefaultMemo.qld", List({Memo("d.rtf")}), /*archive=*/false);
  hidden.AddFile(kFolder + "memolist", "MEMO SIGNATURE");
  MemoListStore hiddenStore{hidden, codec, clock};
  records.clear();
  const ListReadResult fallback = hiddenStore.ReadCurrentGroup(kFolder, "Gone.qld", blank, screens, records);
  EXPECT_EQ(fallback.status, ListReadStatus::Loaded);
  EXPECT_FALSE(fallback.converted);
  EXPECT_EQ(fallback.groupName, "DefaultMemo.qld");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].contentFile, "d.rtf");
}

TEST_F(MemoListStoreTest, AnOldListIsConvertedToTheDefaultGroup) {
  ByteBuilder old;
  old.Str("MEMO SIGNATURE").Int(140).Int(0).Int(100).Int(100).Int(300).Int(220).Int(0).Int(0xEEEEEE)
      .Int(0xCCCCCC).Int(1).Int(200).Int(120).Int(0).Str("old.rtf").Int(0);
  files.AddFile(kFolder + "memolist", old.bytes);
  files.AddFile(kFolder + "old.rtf", "{\\rtf1}");
  files.SetModified(kFolder + "old.rtf", LocalTime{2007, 3, 17, 10, 10, 0});
  blank.titleFont = "7816192|0|0|0|14|Tahoma";

  const ListReadResult result = ReadCurrent("DefaultMemo.qld");
  EXPECT_EQ(result.status, ListReadStatus::Loaded);
  EXPECT_TRUE(result.converted);
  EXPECT_EQ(result.groupName, "DefaultMemo.qld");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].title, "");
  EXPECT_EQ(records[0].titleFont, blank.titleFont);
  EXPECT_EQ(records[0].editTime, "2007-3-17 10:10");

  const ParsedMemoList written = ParseMemoList(files.Bytes(kFolder + "DefaultMemo.qld"), codec, {});
  ASSERT_EQ(written.records.size(), 1u);
  EXPECT_EQ(written.records[0].version, kMemoRecordVersion);
  EXPECT_EQ(written.records[0].editTime, "2007-3-17 10:10");
  EXPECT_TRUE(files.Has(kFolder + "memolist"));
}

TEST_F(MemoListStoreTest, NoListAnywhereLeavesTheArrayUntouched) {
  records = {Memo("keep.rtf")};
  const ListReadResult result = store.ReadCurrentGroup(kFolder, "Gone.qld", blank, screens, records);
  EXPECT_EQ(result.status, ListReadStatus::NotFound);
  EXPECT_EQ(result.groupName, "DefaultMemo.qld");
  EXPECT_EQ(records.size(), 1u);
}

TEST_F(MemoListStoreTest, AnEmptyFileIsReplacedByAnEmptyList) {
  files.AddFile(kFolder + "DefaultMemo.qld", "");
  EXPECT_EQ(ReadCurrent("DefaultMemo.qld").status, ListReadStatus::Replaced);
  EXPECT_EQ(files.Bytes(kFolder + "DefaultMemo.qld"), List({}));
}

TEST_F(MemoListStoreTest, AFileWithoutAReadableSignatureIsKeptAsideBeforeItIsReplaced) {
  const std::string damaged("\x40\x01\x02garbage", 10);
  files.AddFile(kFolder + "DefaultMemo.qld", damaged);
  const ListReadResult result = ReadCurrent("DefaultMemo.qld");
  EXPECT_EQ(result.status, ListReadStatus::Replaced);
  EXPECT_EQ(result.keptAsidePath, kFolder + "DefaultMemo.qld.damaged-20261208-093015");
  EXPECT_EQ(files.Bytes(result.keptAsidePath), damaged);
  EXPECT_EQ(files.Bytes(kFolder + "DefaultMemo.qld"), List({}));

  // The same damage again in the same second does not overwrite the first copy.
  files.AddFile(kFolder + "DefaultMemo.qld", damaged + "2");
  EXPECT_EQ(ReadCurrent("DefaultMemo.qld").keptAsidePath, kFolder + "DefaultMemo.qld.damaged-20261208-093015-2");
  EXPECT_EQ(files.Bytes(kFolder + "DefaultMemo.qld.damaged-20261208-093015"), damaged);
}

TEST_F(MemoListStoreTest, ForeignAndCutShortFilesAreKeptAsideAtTheNextWrite) {
  const std::string foreign = std::string("\x09NOTES 2.0") + "payload";
  const std::string complete = List({Memo("a.rtf"), Memo("b.rtf")});
  const std::string cut = complete.substr(0, complete.size() - 3);
  files.AddFile(kFolder + "Foreign.qld", foreign);
  files.AddFile(kFolder + "Cut.qld", cut);

  EXPECT_EQ(ReadCurrent("Foreign.qld").status, ListReadStatus::Loaded);
  EXPECT_TRUE(records.empty());
  EXPECT_EQ(files.Bytes(kFolder + "Foreign.qld"), foreign);  // reading never changes it
  EXPECT_EQ(store.WriteGroup(kFolder, "Foreign.qld", records), ListWriteStatus::Saved);
  EXPECT_EQ(files.Bytes(kFolder + "Foreign.qld.damaged-20261208-093015"), foreign);

  EXPECT_EQ(ReadCurrent("Cut.qld").status, ListReadStatus::Loaded);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(store.WriteGroup(kFolder, "Cut.qld", records), ListWriteStatus::Saved);
  EXPECT_EQ(files.Bytes(kFolder + "Cut.qld.damaged-20261208-093015"), cut);
  EXPECT_EQ(files.Bytes(kFolder + "Cut.qld"), List({records[0]}));

  // Once rewritten the file is sound: the next write keeps nothing more aside.
  EXPECT_EQ(store.WriteGroup(kFolder, "Cut.qld", records), ListWriteStatus::Saved);
  EXPECT_EQ(files.NamesIn(kFolder).size(), 4u);
}

TEST_F(MemoListStoreTest, AnUnreadableFileIsNeverWrittenOverAndItsMemosGoBesideIt) {
  const std::string path = kFolder + "DefaultMemo.qld";
  const std::string bytes = List({Memo("a.rtf")});
  files.AddFile(path, bytes);
  files.Lock(path);
  EXPECT_EQ(ReadCurrent("DefaultMemo.qld").status, ListReadStatus::Unreadable);
  std::vector<MemoRecord> fresh;
  for (const bool first : {true, false}) {  // one file a session, rewritten by every later write
    fresh.push_back(Memo("new.rtf"));
    UnsavedFile unsaved;
    EXPECT_EQ(store.WriteGroup(kFolder, "defaultmemo.QLD", fresh, &unsaved), ListWriteStatus::SavedElsewhere);
    EXPECT_EQ(unsaved.path, kFolder + "defaultmemo.QLD.unsaved-20261208-093015");
    EXPECT_EQ(unsaved.first, first);
    EXPECT_EQ(files.Bytes(unsaved.path), List(fresh));
  }
  EXPECT_EQ(files.Bytes(path), bytes);
  EXPECT_EQ(files.NamesIn(kFolder).size(), 2u);
}

TEST_F(MemoListStoreTest, AFailedWriteIsReportedAndLeavesTheOldListEvenWhenDamaged) {
  const std::string path = kFolder + "DefaultMemo.qld";
  const std::string complete = List({Memo("a.rtf"), Memo("b.rtf")});
  const std::string cut = complete.substr(0, complete.size() - 3);
  const std::string noSignature("\x40\x01\x02garbage", 10);
  files.FailWritesTo(path);
  for (const std::string& bytes : {complete, cut, noSignature}) {
    files.AddFile(path, bytes);
    const ListReadStatus read = ReadCurrent("DefaultMemo.qld").status;
    std::vector<MemoRecord> memos = {Memo("a.rtf"), Memo("b.rtf")};
    if (read == ListReadStatus::Loaded) {
      EXPECT_EQ(store.WriteGroup(kFolder, "DefaultMemo.qld", memos), ListWriteStatus::Failed);
    } else {
      EXPECT_EQ(read, ListReadStatus::Unreadable);  // the empty list could not take its place
    }
    ASSERT_TRUE(files.Has(path));
    EXPECT_EQ(files.Bytes(path), bytes);
    EXPECT_EQ(files.NamesIn(kFolder), std::set<std::string>{"DefaultMemo.qld"});
  }
}

TEST_F(MemoListStoreTest, ReadingCorrectsWindowsThatLieOffEveryScreen) {
  screens.monitors.push_back(Rect{-1280, 0, 0, 1024});
  files.AddFile(kFolder + "DefaultMemo.qld",
                List({Memo("left.rtf", Rect{-900, 100, -700, 200}), Memo("lost.rtf", Rect{-5000, 100, -4800, 200})}));
  ReadCurrent("DefaultMemo.qld");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].windowRect, (Rect{-900, 100, -700, 200}));
  EXPECT_EQ(records[1].windowRect, (Rect{0, 100, 200, 200}));
}

TEST_F(MemoListStoreTest, TheTemporaryStorageGroupIsMadeOnlyWhenMissing) {
  EXPECT_TRUE(store.EnsureTemporaryStorageGroup(kFolder));
  EXPECT_EQ(files.Bytes(kFolder + "RecycleBin.qlr"), List({}));
  const std::string held = List({Memo("kept.brt")});
  files.AddFile(kFolder + "RecycleBin.qlr", held);
  EXPECT_TRUE(store.EnsureTemporaryStorageGroup(kFolder));
  EXPECT_EQ(files.Bytes(kFolder + "RecycleBin.qlr"), held);
}

}  // namespace
}  // namespace quillet
