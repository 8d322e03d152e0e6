#include <gtest/gtest.h>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "storage/DataFileKeeper.h"
#include "storage/StaleTemporaryFiles.h"

namespace quillet {
namespace {

using testing::FixedClock;
using testing::MemoryFileSystem;

// Whichever step of replacing a damaged file fails, the old file stays at its path and nothing the
// write made is left for the next try, ten seconds later, to multiply.
TEST(DataFileKeeper, AFailureAtAnyStepLeavesTheOldFileAndNothingElse) {
  const std::string folder = "C:\\data\\";
  const std::string path = folder + "list.qld";
  const struct {
    const char* step;
    void (MemoryFileSystem::*fail)(const std::string&);
  } steps[] = {
      {"write", &MemoryFileSystem::FailWritesTo},
      {"copy", &MemoryFileSystem::FailCopiesOf},
      {"commit", &MemoryFileSystem::FailCommitsTo},
  };
  for (const auto& step : steps) {
    MemoryFileSystem files;
    FixedClock clock;
    DataFileKeeper keeper(files, clock);
    files.AddFile(path, "old");
    keeper.Note(path, FileCondition::Damaged);
    (files.*step.fail)(path);
    const FileWriteOutcome outcome = keeper.Write(path, "new");
    EXPECT_EQ(outcome.status, FileWriteStatus::Failed) << step.step;
    EXPECT_EQ(outcome.keptAsidePath, "") << step.step;
    EXPECT_EQ(files.Bytes(path), "old") << step.step;
    EXPECT_EQ(files.NamesIn(folder), std::set<std::string>{"list.qld"}) << step.step;
  }
}

// A write cut short leaves its temporary file; an hour later nothing can still be committing it.
TEST(StaleTemporaryFiles, OnlyWritesTemporaryFilesOlderThanAnHourGo) {
  const std::string folder = "C:\\data\\";
  const LocalTime now{2026, 12, 8, 10, 0};
  const struct {
    const char* name;
    LocalTime modified;
    bool removed;
  } cases[] = {
      {"list.qld.1234-7.tmp", {2026, 12, 8, 8, 59}, true},
      {"a.rtf.99-0.tmp", {2026, 12, 7, 23, 0}, true},
      {"list.qld.1234-8.tmp", {2026, 12, 8, 9, 30}, false},  // maybe another PC's write in progress
      {"notes.tmp", {2025, 1, 1, 0, 0}, false},               // not one of ours
      {"list.qld.12a-1.tmp", {2025, 1, 1, 0, 0}, false},
      {"list.qld.1234-7.rtf", {2025, 1, 1, 0, 0}, false},
  };
  MemoryFileSystem files;
  for (const auto& c : cases) {
    files.AddFile(folder + c.name, "x");
    files.SetModified(folder + c.name, c.modified);
  }
  EXPECT_EQ(RemoveStaleTemporaryFiles(files, folder, now), 2);
  for (const auto& c : cases) EXPECT_EQ(files.Has(folder + c.name), !c.removed) << c.name;
}

}  // namespace
}  // namespace quillet
