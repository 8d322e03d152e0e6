#include "platform/Win32FileSystem.h"

#include <atomic>
#include <new>
#include <stdexcept>

#include "platform/KernelHandle.h"
#include "platform/Wide.h"
#include "platform/WinApi.h"
#include "storage/Paths.h"

namespace quillet::win {

namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (Valid()) FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;

  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

constexpr DWORD kChunk = 1u << 20;

// A NUL would silently cut the path short at the API, naming some other file.
bool HasNul(std::string_view text) { return text.find('\0') != std::string_view::npos; }

std::optional<std::wstring> ApiPath(std::string_view path) {
  if (HasNul(path)) return std::nullopt;
  return WidenCp949(path);
}

std::optional<DWORD> Attributes(const std::string& path) {
  const auto wide = ApiPath(path);
  if (!wide) return std::nullopt;
  const DWORD attributes = GetFileAttributesW(wide->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD want = bytes.size() < kChunk ? static_cast<DWORD>(bytes.size()) : kChunk;
    DWORD wrote = 0;
    if (!::WriteFile(file, bytes.data(), want, &wrote, nullptr) || wrote == 0) return false;
    bytes.remove_prefix(wrote);
  }
  return true;
}

LocalTime ToLocalTime(const SYSTEMTIME& time) {
  LocalTime local;
  local.year = time.wYear;
  local.month = time.wMonth;
  local.day = time.wDay;
  local.hour = time.wHour;
  local.minute = time.wMinute;
  local.second = time.wSecond;
  local.millisecond = time.wMilliseconds;
  local.weekday = time.wDayOfWeek;
  return local;
}

std::optional<LocalTime> LocalWriteTime(const FILETIME& written) {
  FILETIME local{};
  SYSTEMTIME time{};
  if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &time)) return std::nullopt;
  return ToLocalTime(time);
}

// Two writers in one process, or two processes, never pick the same temporary name.
std::string TemporaryName(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  return target + '.' + std::to_string(GetCurrentProcessId()) + '-' + std::to_string(counter++) + ".tmp";
}

enum class NewFile { Written, Exists, Failed };

// Creates a file that must not exist yet, writes and flushes it; a failed write removes it again.
NewFile WriteNewFile(const std::string& path, std::string_view bytes) {
  const auto wide = ApiPath(path);
  if (!wide || wide->empty()) return NewFile::Failed;
  KernelHandle file(CreateFileW(wide->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return GetLastError() == ERROR_FILE_EXISTS ? NewFile::Exists : NewFile::Failed;
  bool ok = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get()) != FALSE;
  ok = file.Close() && ok;  // a write the system had deferred can fail here
  if (ok) return NewFile::Written;
  DeleteFileW(wide->c_str());
  return NewFile::Failed;
}

}  // namespace

ReadOutcome Win32FileSystem::ReadFile(const std::string& path, std::string& bytes) const {
  bytes.clear();
  const auto wide = ApiPath(path);
  if (!wide) return ReadOutcome::Missing;
  // A folder cannot be opened this way (no FILE_FLAG_BACKUP_SEMANTICS): access denied, so Unreadable.
  const KernelHandle file(CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return ReadOutcome::Missing;
    return ReadOutcome::Unreadable;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return ReadOutcome::Unreadable;

  std::string data;
  try {
    // Read to the end rather than to the size seen: the file may change under us.
    data.reserve(static_cast<std::size_t>(size.QuadPart) + kChunk);
    for (;;) {
      const std::size_t start = data.size();
      data.resize(start + kChunk);
      DWORD got = 0;
      if (!::ReadFile(file.Get(), &data[start], kChunk, &got, nullptr)) return ReadOutcome::Unreadable;
      data.resize(start + got);
      if (got == 0) break;
    }
  } catch (const std::bad_alloc&) {
    return ReadOutcome::Unreadable;
  } catch (const std::length_error&) {
    return ReadOutcome::Unreadable;
  }
  bytes.swap(data);
  return ReadOutcome::Ok;
}

std::optional<std::string> Win32FileSystem::WriteTemporaryFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return std::nullopt;  // the temporary file would land in the current folder
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::string temporary = TemporaryName(path);
    switch (WriteNewFile(temporary, bytes)) {
      case NewFile::Written: return temporary;
      case NewFile::Exists: continue;
      case NewFile::Failed: return std::nullopt;
    }
  }
  return std::nullopt;
}

bool Win32FileSystem::CommitFile(const std::string& temporary, const std::string& path) {
  const auto source = ApiPath(temporary);
  const auto target = ApiPath(path);
  if (!source || !target || target->empty()) return false;
  // Windows refuses to move over a read-only file; Wine would replace it, so ask first.
  const DWORD existing = GetFileAttributesW(target->c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY)) return false;
  return MoveFileExW(source->c_str(), target->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool Win32FileSystem::CopyFile(const std::string& from, const std::string& to) {
  // Read and written whole rather than by CopyFileW, so that the copy is flushed like every write.
  std::string bytes;
  return ReadFile(from, bytes) == ReadOutcome::Ok && WriteNewFile(to, bytes) == NewFile::Written;
}

std::optional<FileStatus> Win32FileSystem::Status(const std::string& path) const {
  const auto wide = ApiPath(path);
  if (!wide) return std::nullopt;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  const std::optional<LocalTime> modified = LocalWriteTime(data.ftLastWriteTime);
  if (!modified) return std::nullopt;
  FileStatus status;
  status.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  status.modified = *modified;
  return status;
}

bool Win32FileSystem::FileExists(const std::string& path) const {
  const auto attributes = Attributes(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::FolderExists(const std::string& path) const {
  const auto attributes = Attributes(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  const auto wide = ApiPath(path);
  if (!wide) return false;
  return CreateDirectoryW(wide->c_str(), nullptr) != FALSE || FolderExists(path);
}

namespace {

// Calls `visit(entry, name)` for every entry of `folder` matching `pattern` whose name CP949 can
// spell; a long name with characters outside CP949 is given by its short name.
template <class Visit>
void ForEachEntry(const std::string& folder, std::string_view pattern, Visit visit) {
  auto query = ApiPath(folder);
  if (!query || HasNul(pattern)) return;
  if (!query->empty() && query->back() != L'\\' && query->back() != L'/') query->push_back(L'\\');
  query->append(WidenCp949(pattern));

  WIN32_FIND_DATAW found{};
  FindHandle find(FindFirstFileW(query->c_str(), &found));
  if (!find.Valid()) return;
  do {
    auto name = NarrowToCp949Exactly(found.cFileName);
    if (!name && found.cAlternateFileName[0] != L'\0') name = NarrowToCp949Exactly(found.cAlternateFileName);
    if (name) visit(found, std::move(*name));
  } while (FindNextFileW(find.Get(), &found));
}

}  // namespace

std::vector<FolderEntry> Win32FileSystem::ListFiles(const std::string& folder, std::string_view pattern) const {
  std::vector<FolderEntry> entries;
  ForEachEntry(folder, pattern, [&](const WIN32_FIND_DATAW& found, std::string name) {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return;
    entries.push_back(FolderEntry{std::move(name), (found.dwFileAttributes & FILE_ATTRIBUTE_ARCHIVE) != 0,
                                  LocalWriteTime(found.ftLastWriteTime).value_or(LocalTime{})});
  });
  return entries;
}

std::vector<std::string> Win32FileSystem::ListSubfolders(const std::string& folder) const {
  std::vector<std::string> names;
  ForEachEntry(folder, "*", [&](const WIN32_FIND_DATAW& found, std::string name) {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..") {
      names.push_back(std::move(name));
    }
  });
  return names;
}

bool Win32FileSystem::MoveFile(const std::string& from, const std::string& to) {
  const auto source = ApiPath(from);
  const auto target = ApiPath(to);
  return source && target && MoveFileW(source->c_str(), target->c_str()) != FALSE;
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
  const auto wide = ApiPath(path);
  return wide && DeleteFileW(wide->c_str()) != FALSE;
}

bool MayWriteFolder(const std::string& folder) {
  const auto probe = ApiPath(NormaliseFolder(folder) + "quillet-probe-" + std::to_string(GetCurrentProcessId()) + ".tmp");
  if (!probe || folder.empty()) return false;
  const KernelHandle file(CreateFileW(probe->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(file);
}

}  // namespace quillet::win
