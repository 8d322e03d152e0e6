#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Wide.h"
#include "platform/Win32FileSystem.h"
#include "platform/WinApi.h"

namespace quillet::win {
namespace {

using namespace std::string_literals;

// What the tests check goes through the wide API directly, not through the code under test.
std::string ReadRaw(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<cannot open>";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

void WriteRaw(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create the test file";
  DWORD wrote = 0;
  ASSERT_TRUE(::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr));
  CloseHandle(file);
}

// Every name in a folder, folders included, as the system lists them.
std::vector<std::wstring> RawNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(find, &found));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> Names(const std::vector<FolderEntry>& entries) {
  std::vector<std::string> names;
  for (const auto& entry : entries) names.push_back(entry.name);
  std::sort(names.begin(), names.end());
  return names;
}

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    ASSERT_GT(length, 0u);
    static unsigned serial = 0;
    wide_ = std::wstring(temp, length) + L"quillet-fs-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(serial++);
    ASSERT_TRUE(CreateDirectoryW(wide_.c_str(), nullptr));
    folder_ = NarrowToCp949(wide_);
  }

  void TearDown() override {
    // Read-only files would stop the removal.
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(wide_, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
      SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(wide_, error);
    EXPECT_FALSE(error) << error.message();
  }

  std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
  std::wstring WidePath(const std::wstring& name) const { return wide_ + L"\\" + name; }

  Win32FileSystem fs_;
  std::wstring wide_;
  std::string folder_;
};

// --- ReplaceFile ---

TEST_F(Win32FileSystemTest, ReplaceOverExistingFileGivesNewBytesAndNoTemporary) {
  WriteRaw(WidePath(L"memo.qld"), "old contents that are longer than the new");
  ASSERT_TRUE(fs_.ReplaceFile(Path("memo.qld"), "new\0bytes\xFF"s));
  EXPECT_EQ(ReadRaw(WidePath(L"memo.qld")), "new\0bytes\xFF"s);
  EXPECT_EQ(RawNames(wide_), std::vector<std::wstring>{L"memo.qld"});
}

TEST_F(Win32FileSystemTest, ReplaceCreatesMissingFileAndHandlesEmptyAndLargeContents) {
  ASSERT_TRUE(fs_.ReplaceFile(Path("empty.qld"), ""));
  EXPECT_EQ(ReadRaw(WidePath(L"empty.qld")), "");

  // Larger than one write or read chunk.
  std::string large(3 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 + i / 4096);
  ASSERT_TRUE(fs_.ReplaceFile(Path("large.qld"), large));
  std::string back;
  ASSERT_EQ(fs_.ReadFile(Path("large.qld"), back), ReadOutcome::Ok);
  EXPECT_TRUE(back == large) << "read " << back.size() << " bytes of " << large.size();
  EXPECT_EQ(RawNames(wide_), (std::vector<std::wstring>{L"empty.qld", L"large.qld"}));
}

TEST_F(Win32FileSystemTest, ReplaceIntoMissingFolderFails) {
  EXPECT_FALSE(fs_.ReplaceFile(Path("nowhere\\memo.qld"), "text"));
  EXPECT_TRUE(RawNames(wide_).empty());
}

TEST_F(Win32FileSystemTest, RefusedReplaceKeepsOldBytesAndNoTemporary) {
  const auto expectRefused = [&](const char* why) {
    EXPECT_FALSE(fs_.ReplaceFile(Path("memo.qld"), "new")) << why;
    EXPECT_EQ(ReadRaw(WidePath(L"memo.qld")), "old") << why;
    EXPECT_EQ(RawNames(wide_), std::vector<std::wstring>{L"memo.qld"}) << why;
  };
  WriteRaw(WidePath(L"memo.qld"), "old");
  ASSERT_TRUE(SetFileAttributesW(WidePath(L"memo.qld").c_str(), FILE_ATTRIBUTE_READONLY));
  expectRefused("read-only");
  ASSERT_TRUE(SetFileAttributesW(WidePath(L"memo.qld").c_str(), FILE_ATTRIBUTE_NORMAL));

  HANDLE held = CreateFileW(WidePath(L"memo.qld").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  expectRefused("held open without FILE_SHARE_DELETE");
  CloseHandle(held);
}

TEST_F(Win32FileSystemTest, TheStepsOfAReplaceAndCopiesThatNeverReplace) {
  WriteRaw(WidePath(L"memo.qld"), "old");
  const std::optional<std::string> temporary = fs_.WriteTemporaryFile(Path("memo.qld"), "new");
  ASSERT_TRUE(temporary.has_value());
  EXPECT_EQ(ReadRaw(WidenCp949(*temporary)), "new");
  EXPECT_EQ(ReadRaw(WidePath(L"memo.qld")), "old");

  ASSERT_TRUE(fs_.CopyFile(Path("memo.qld"), Path("memo.qld.damaged")));
  EXPECT_FALSE(fs_.CopyFile(Path("memo.qld"), Path("memo.qld.damaged")));
  EXPECT_FALSE(fs_.CopyFile(Path("none.qld"), Path("none.qld.damaged")));
  ASSERT_TRUE(fs_.CommitFile(*temporary, Path("memo.qld")));
  EXPECT_EQ(ReadRaw(WidePath(L"memo.qld")), "new");
  EXPECT_EQ(ReadRaw(WidePath(L"memo.qld.damaged")), "old");
  EXPECT_EQ(RawNames(wide_), (std::vector<std::wstring>{L"memo.qld", L"memo.qld.damaged"}));

  EXPECT_FALSE(fs_.WriteTemporaryFile(Path("nowhere\\memo.qld"), "text").has_value());
  EXPECT_EQ(RawNames(wide_).size(), 2u);
}

// --- ReadFile ---

TEST_F(Win32FileSystemTest, ReadGivesExactBytes) {
  WriteRaw(WidePath(L"memo.qld"), "\x01\0\r\n\x1A\xB0\xA1 end"s);
  std::string bytes = "stale";
  ASSERT_EQ(fs_.ReadFile(Path("memo.qld"), bytes), ReadOutcome::Ok);
  EXPECT_EQ(bytes, "\x01\0\r\n\x1A\xB0\xA1 end"s);
}

TEST_F(Win32FileSystemTest, ReadTellsMissingFromUnreadable) {
  std::string bytes = "stale";
  EXPECT_EQ(fs_.ReadFile(Path("none.qld"), bytes), ReadOutcome::Missing);
  EXPECT_EQ(bytes, "");
  EXPECT_EQ(fs_.ReadFile(Path("no folder\\none.qld"), bytes), ReadOutcome::Missing);

  ASSERT_TRUE(CreateDirectoryW(WidePath(L"folder.qld").c_str(), nullptr));
  EXPECT_EQ(fs_.ReadFile(Path("folder.qld"), bytes), ReadOutcome::Unreadable);

  WriteRaw(WidePath(L"locked.qld"), "data");
  HANDLE lock = CreateFileW(WidePath(L"locked.qld").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  bytes = "stale";
  EXPECT_EQ(fs_.ReadFile(Path("locked.qld"), bytes), ReadOutcome::Unreadable);
  EXPECT_EQ(bytes, "");
  CloseHandle(lock);
  EXPECT_EQ(fs_.ReadFile(Path("locked.qld"), bytes), ReadOutcome::Ok);
  EXPECT_EQ(bytes, "data");
}

// --- Status ---

SYSTEMTIME ToSystemTime(const LocalTime& time) {
  SYSTEMTIME system{};
  system.wYear = static_cast<WORD>(time.year);
  system.wMonth = static_cast<WORD>(time.month);
  system.wDay = static_cast<WORD>(time.day);
  system.wHour = static_cast<WORD>(time.hour);
  system.wMinute = static_cast<WORD>(time.minute);
  system.wSecond = static_cast<WORD>(time.second);
  system.wMilliseconds = static_cast<WORD>(time.millisecond);
  system.wDayOfWeek = static_cast<WORD>(time.weekday);
  return system;
}

long long Ticks(const SYSTEMTIME& time) {
  FILETIME file{};
  EXPECT_TRUE(SystemTimeToFileTime(&time, &file));
  return static_cast<long long>((static_cast<unsigned long long>(file.dwHighDateTime) << 32) | file.dwLowDateTime);
}

TEST_F(Win32FileSystemTest, StatusGivesSizeAndLocalModificationTime) {
  WriteRaw(WidePath(L"memo.qld"), std::string(12345, 'x'));
  const SYSTEMTIME wanted = {2021, 3, 0, 4, 5, 6, 7, 123};  // weekday left for the system to find
  FILETIME local{};
  FILETIME utc{};
  ASSERT_TRUE(SystemTimeToFileTime(&wanted, &local));
  ASSERT_TRUE(LocalFileTimeToFileTime(&local, &utc));
  HANDLE file = CreateFileW(WidePath(L"memo.qld").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
  CloseHandle(file);

  const auto status = fs_.Status(Path("memo.qld"));
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->size, 12345u);
  const LocalTime& t = status->modified;
  EXPECT_EQ(std::vector<int>({t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond}),
            std::vector<int>({2021, 3, 4, 5, 6, 7, 123}));
  EXPECT_EQ(t.weekday, 4);  // a Thursday

  EXPECT_FALSE(fs_.Status(Path("none.qld")).has_value());
  EXPECT_FALSE(fs_.Status(folder_).has_value());
}

TEST_F(Win32FileSystemTest, StatusOfFreshFileIsNearLocalNow) {
  SYSTEMTIME before{};
  GetLocalTime(&before);
  ASSERT_TRUE(fs_.ReplaceFile(Path("memo.qld"), ""));
  const auto status = fs_.Status(Path("memo.qld"));
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->size, 0u);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  // Midnight may pass between the write and the second look at the clock.
  EXPECT_TRUE(status->modified.weekday == before.wDayOfWeek || status->modified.weekday == now.wDayOfWeek)
      << "weekday " << status->modified.weekday << ", local now " << before.wDayOfWeek << " to " << now.wDayOfWeek;
  const long long seconds = (Ticks(now) - Ticks(ToSystemTime(status->modified))) / 10000000;
  EXPECT_LE(std::llabs(seconds), 120) << "modified " << seconds << " s before local now";
}

// --- Existence, folders, moving, deleting ---

TEST_F(Win32FileSystemTest, ExistsTellsFilesFromFolders) {
  WriteRaw(WidePath(L"memo.qld"), "x");
  EXPECT_TRUE(fs_.FileExists(Path("memo.qld")));
  EXPECT_FALSE(fs_.FolderExists(Path("memo.qld")));
  EXPECT_TRUE(fs_.FolderExists(folder_));
  EXPECT_FALSE(fs_.FileExists(folder_));
  EXPECT_FALSE(fs_.FileExists(Path("none.qld")));
  EXPECT_FALSE(fs_.FolderExists(Path("none")));
  // A NUL must not cut the name down to one that exists.
  EXPECT_FALSE(fs_.FileExists(Path("memo.qld") + "\0.bak"s));
}

TEST_F(Win32FileSystemTest, CreateFolderMakesOneLevel) {
  EXPECT_TRUE(fs_.CreateFolder(Path("Backup")));
  EXPECT_TRUE(fs_.FolderExists(Path("Backup")));
  EXPECT_TRUE(fs_.CreateFolder(Path("Backup")));
  EXPECT_FALSE(fs_.CreateFolder(Path("a\\b")));
  EXPECT_FALSE(fs_.FolderExists(Path("a")));
  WriteRaw(WidePath(L"file"), "x");
  EXPECT_FALSE(fs_.CreateFolder(Path("file")));
}

TEST_F(Win32FileSystemTest, MoveNeverReplacesAndDeleteNeedsAFile) {
  WriteRaw(WidePath(L"a.qld"), "A");
  WriteRaw(WidePath(L"b.qld"), "B");
  EXPECT_FALSE(fs_.MoveFile(Path("a.qld"), Path("b.qld")));
  EXPECT_EQ(ReadRaw(WidePath(L"a.qld")), "A");
  EXPECT_EQ(ReadRaw(WidePath(L"b.qld")), "B");
  EXPECT_TRUE(fs_.MoveFile(Path("a.qld"), Path("c.qld")));
  EXPECT_EQ(RawNames(wide_), (std::vector<std::wstring>{L"b.qld", L"c.qld"}));
  EXPECT_EQ(ReadRaw(WidePath(L"c.qld")), "A");
  EXPECT_FALSE(fs_.MoveFile(Path("a.qld"), Path("d.qld")));

  EXPECT_TRUE(fs_.DeleteFile(Path("b.qld")));
  EXPECT_FALSE(fs_.DeleteFile(Path("b.qld")));
  EXPECT_EQ(RawNames(wide_), std::vector<std::wstring>{L"c.qld"});
}

// --- ListFiles ---

TEST_F(Win32FileSystemTest, ListFilesMatchesFilesOnly) {
  WriteRaw(WidePath(L"a.qld"), "1");
  WriteRaw(WidePath(L"b.QLD"), "2");
  WriteRaw(WidePath(L"notes.txt"), "3");
  WriteRaw(WidePath(L"a.qld.bak"), "4");
  ASSERT_TRUE(CreateDirectoryW(WidePath(L"folder.qld").c_str(), nullptr));
  // The folder may be given with or without its closing backslash.
  for (const std::string& folder : {folder_, folder_ + "\\"}) {
    EXPECT_EQ(Names(fs_.ListFiles(folder, "*.qld")), (std::vector<std::string>{"a.qld", "b.QLD"})) << folder;
  }
}

bool Archived(const std::wstring& path) { return (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_ARCHIVE) != 0; }

TEST_F(Win32FileSystemTest, ListFilesReportsTheArchiveAttribute) {
  WriteRaw(WidePath(L"changed.qld"), "1");
  WriteRaw(WidePath(L"other.qld"), "2");
  ASSERT_TRUE(SetFileAttributesW(WidePath(L"changed.qld").c_str(), FILE_ATTRIBUTE_ARCHIVE));
  ASSERT_TRUE(SetFileAttributesW(WidePath(L"other.qld").c_str(), FILE_ATTRIBUTE_NORMAL));
  const auto entries = fs_.ListFiles(folder_, "*.qld");
  ASSERT_EQ(Names(entries), (std::vector<std::string>{"changed.qld", "other.qld"}));
  for (const auto& entry : entries) {
    EXPECT_EQ(entry.archive, Archived(WidePath(WidenCp949(entry.name)))) << entry.name;
    if (entry.name == "changed.qld") {
      EXPECT_TRUE(entry.archive);
    }
  }
}

TEST_F(Win32FileSystemTest, ListFilesReportsAClearedArchiveAttribute) {
  WriteRaw(WidePath(L"kept.qld"), "1");
  ASSERT_TRUE(SetFileAttributesW(WidePath(L"kept.qld").c_str(), FILE_ATTRIBUTE_NORMAL));
  if (Archived(WidePath(L"kept.qld"))) {
    GTEST_SKIP() << "this system reports the archive attribute on every file (Wine does)";
  }
  const auto entries = fs_.ListFiles(folder_, "*.qld");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_FALSE(entries[0].archive);
  ASSERT_TRUE(SetFileAttributesW(WidePath(L"kept.qld").c_str(), FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_TRUE(fs_.ListFiles(folder_, "*.qld").at(0).archive);
}

TEST_F(Win32FileSystemTest, ListFilesOfMissingFolderOrNoMatchIsEmpty) {
  EXPECT_TRUE(fs_.ListFiles(Path("none"), "*.qld").empty());
  WriteRaw(WidePath(L"notes.txt"), "3");
  EXPECT_TRUE(fs_.ListFiles(folder_, "*.qld").empty());
}

TEST_F(Win32FileSystemTest, NameOutsideCp949IsListedByItsShortName) {
  const std::wstring odd = L"caf\u00E9 \U0001F600.qld";
  WriteRaw(WidePath(odd), "odd");
  WriteRaw(WidePath(L"plain.qld"), "plain");
  WIN32_FIND_DATAW found{};
  HANDLE find = FindFirstFileW(WidePath(odd).c_str(), &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  FindClose(find);
  // Without a short name the file cannot be reached by CP949 text at all.
  const bool hasShortName = found.cAlternateFileName[0] != L'\0';

  const auto entries = fs_.ListFiles(folder_, "*.qld");
  EXPECT_EQ(entries.size(), hasShortName ? 2u : 1u);
  for (const auto& entry : entries) {
    std::string bytes;
    EXPECT_EQ(fs_.ReadFile(Path(entry.name), bytes), ReadOutcome::Ok) << entry.name;
    EXPECT_EQ(bytes, entry.name == "plain.qld" ? "plain" : "odd") << entry.name;
  }
}

// --- Korean names through every call ---

TEST_F(Win32FileSystemTest, KoreanNamesReachTheSameFiles) {
  const std::string folder = Path("메모 보관함");
  ASSERT_TRUE(fs_.CreateFolder(folder));
  EXPECT_EQ(RawNames(wide_), std::vector<std::wstring>{L"메모 보관함"});
  EXPECT_TRUE(fs_.FolderExists(folder));

  const std::string memo = folder + "\\똠방각하 메모.qld";
  ASSERT_TRUE(fs_.ReplaceFile(memo, "내용"));
  EXPECT_EQ(RawNames(WidePath(L"메모 보관함")), std::vector<std::wstring>{L"똠방각하 메모.qld"});
  EXPECT_EQ(ReadRaw(WidePath(L"메모 보관함\\똠방각하 메모.qld")), "내용");
  EXPECT_TRUE(fs_.FileExists(memo));

  std::string bytes;
  EXPECT_EQ(fs_.ReadFile(memo, bytes), ReadOutcome::Ok);
  EXPECT_EQ(bytes, "내용");
  const auto status = fs_.Status(memo);
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->size, 4u);

  const auto entries = fs_.ListFiles(folder, "*.qld");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "똠방각하 메모.qld");
  EXPECT_EQ(Names(fs_.ListFiles(folder, "똠*")), std::vector<std::string>{"똠방각하 메모.qld"});

  const std::string aside = folder + "\\똠방각하 메모 (읽을 수 없음).qld";
  ASSERT_TRUE(fs_.MoveFile(memo, aside));
  EXPECT_EQ(RawNames(WidePath(L"메모 보관함")),
            std::vector<std::wstring>{L"똠방각하 메모 (읽을 수 없음).qld"});
  EXPECT_TRUE(fs_.DeleteFile(aside));
  EXPECT_TRUE(RawNames(WidePath(L"메모 보관함")).empty());
}

}  // namespace
TEST_F(Win32FileSystemTest, SubfoldersAreListedWithoutFilesOrDots) {
  ASSERT_TRUE(CreateDirectoryW(WidePath(L"Plain").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(WidePath(L"시계").c_str(), nullptr));
  WriteRaw(WidePath(L"file.ski"), "x");
  std::vector<std::string> names = fs_.ListSubfolders(folder_ + "\\");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Plain", "시계"}));
  EXPECT_TRUE(fs_.ListSubfolders(Path("missing")).empty());
}

}  // namespace quillet::win
