#include <gtest/gtest.h>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "storage/DataFileKeeper.h"

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

}  // namespace
}  // namespace quillet
