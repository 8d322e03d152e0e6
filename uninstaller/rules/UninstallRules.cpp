#include "rules/UninstallRules.h"

#include <cstddef>
#include <cstdint>

namespace unquill {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

std::wstring_view WithoutTrailing(std::wstring_view path, bool slashesToo) {
  while (!path.empty() && (path.back() == L'\\' || (slashesToo && path.back() == L'/'))) path.remove_suffix(1);
  return path;
}

bool HasDriveRoot(std::wstring_view path) {
  return path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == L':' && IsSeparator(path[2]);
}

std::wstring_view NextComponent(std::wstring_view& rest) {
  std::size_t end = 0;
  while (end < rest.size() && !IsSeparator(rest[end])) ++end;
  const std::wstring_view part = rest.substr(0, end);
  rest.remove_prefix(end);
  return part;
}

// "\\server\share": the part after the share, or nothing. "\\.\" and "\\?\" (refused for its
// '?') are device paths, whose "share" may be a whole drive or another server ("\\?\UNC\...").
std::optional<std::wstring_view> AfterUncShare(std::wstring_view path) {
  if (path.size() < 2 || path[0] != L'\\' || path[1] != L'\\') return std::nullopt;
  std::wstring_view rest = path.substr(2);
  const std::wstring_view server = NextComponent(rest);
  if (server.empty() || server == L"." || rest.empty()) return std::nullopt;
  rest.remove_prefix(1);
  if (NextComponent(rest).empty()) return std::nullopt;
  return rest;
}

// Windows reads a component of only dots (trailing dots and spaces dropped) as "." or "..".
bool IsDotsComponent(std::wstring_view part) {
  bool dot = false;
  for (const wchar_t c : part) {
    if (c == L'.') dot = true;
    else if (c != L' ') return false;
  }
  return dot;
}

// Archive strings as the memo list holds them: a checked cursor that stays failed once it fails.
class ListReader {
 public:
  explicit ListReader(std::string_view bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }

  std::uint32_t UInt(std::size_t width) {
    if (!ok_ || bytes_.size() - pos_ < width) return Fail();
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
      value |= std::uint32_t{static_cast<unsigned char>(bytes_[pos_ + i])} << (8 * i);
    pos_ += width;
    return value;
  }
  std::int32_t Int32() { return static_cast<std::int32_t>(UInt(4)); }
  void Skip(std::size_t int32Count) {
    for (std::size_t i = 0; i < int32Count; ++i) UInt(4);
  }

  // The string's bytes. A UTF-16 string is narrowed when every unit is ASCII; any other cannot be
  // matched to CP949 file names here and reads as empty.
  std::string String() {
    bool wide = false;
    std::uint32_t length = UInt(1);
    if (length == 0xFF) {
      length = UInt(2);
      if (length == 0xFFFE) {
        wide = true;
        length = UInt(1);
        if (length == 0xFF) length = UInt(2);
      }
      if (length == 0xFFFF) length = UInt(4);
    }
    const std::size_t unit = wide ? 2 : 1;
    if (!ok_ || length > (bytes_.size() - pos_) / unit) {
      Fail();
      return {};
    }
    const std::string_view raw = bytes_.substr(pos_, length * unit);
    pos_ += raw.size();
    if (!wide) return std::string(raw);
    std::string narrow;
    for (std::size_t i = 0; i < raw.size(); i += 2) {
      if (raw[i] == 0 || (raw[i] & 0x80) != 0 || raw[i + 1] != 0) return {};
      narrow += raw[i];
    }
    return narrow;
  }

 private:
  std::uint32_t Fail() {
    ok_ = false;
    return 0;
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

constexpr std::int32_t kLastVersionWithoutTitle = 149;
constexpr std::size_t kFieldsBeforeContentFile = 12;  // everything from formatBarShown to zPosition

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool IsContentFileLike(std::string_view key) {
  constexpr std::size_t kDigits = 17;
  if (key.size() != kDigits + 4 || !(EndsWith(key, ".rtf") || EndsWith(key, ".brt"))) return false;
  for (std::size_t i = 0; i < kDigits; ++i)
    if (key[i] < '0' || key[i] > '9') return false;
  return true;
}

bool IsListKey(std::string_view key) {
  return EndsWith(key, ".qld") || key == "recyclebin.qlr" || key == "memolist" || key == "memolist160";
}

// `key` as ListedNameKey gives it, without the ".damaged-"/".unsaved-" tail.
bool IsProgramKey(std::string_view key, const std::set<std::string>& listed) {
  if (IsListKey(key) || key == "quilletalarminfo.qla" || key == "alarmlist" || key == "alarmlist160") return true;
  if (EndsWith(key, ".rtf") || EndsWith(key, ".brt"))
    return key == "aboutquillet.rtf" || IsContentFileLike(key) || listed.count(std::string(key)) != 0;
  return false;
}

}  // namespace

// A NUL would cut the path short at the API; wildcards would widen what a listing finds.
bool IsAbsolutePath(std::wstring_view path) {
  if (path.find_first_of(std::wstring_view(L"\0*?", 3)) != std::wstring_view::npos) return false;
  return HasDriveRoot(path) || AfterUncShare(path).has_value();
}

bool IsDriveRoot(std::wstring_view path) {
  path = WithoutTrailing(path, true);
  if (path.size() == 2 && IsAsciiLetter(path[0]) && path[1] == L':') return true;
  const std::optional<std::wstring_view> rest = AfterUncShare(path);
  return rest && rest->empty();
}

bool MayDeleteFolder(std::wstring_view path) {
  if (!IsAbsolutePath(path) || IsDriveRoot(path)) return false;
  std::wstring_view rest = path.substr(2);
  while (!rest.empty()) {
    if (IsDotsComponent(NextComponent(rest))) return false;
    if (!rest.empty()) rest.remove_prefix(1);
  }
  return true;
}

std::optional<std::wstring> DataFolderFromValue(std::wstring_view value, bool readWhole) {
  if (!readWhole || value.empty()) return std::nullopt;
  std::wstring folder(WithoutTrailing(value, false));
  folder += L'\\';
  if (!MayDeleteFolder(folder)) return std::nullopt;
  return folder;
}

std::optional<std::wstring> StartMenuFolder(std::wstring_view programsFolder) {
  if (programsFolder.empty() || !IsAbsolutePath(programsFolder)) return std::nullopt;
  return std::wstring(WithoutTrailing(programsFolder, false)) + L"\\Quillet";
}

std::optional<std::vector<std::string>> ContentFilesOfList(std::string_view bytes) {
  ListReader reader(bytes);
  const std::string signature = reader.String();
  if (!reader.ok() || (signature != "150MEMO SIGNATURE" && signature != "MEMO SIGNATURE"))
    return std::nullopt;

  std::vector<std::string> names;
  while (!reader.AtEnd()) {
    const std::int32_t version = reader.Int32();
    reader.Skip(kFieldsBeforeContentFile);
    std::string name = reader.String();
    reader.Int32();  // scrollLine
    if (version > kLastVersionWithoutTitle) {
      reader.String();  // title
      reader.String();  // editTime
      reader.Int32();   // reserved
      reader.String();  // titleFont
    }
    if (!reader.ok()) break;
    // An unreadable UTF-16 name is skipped: that file stays unless its own name marks it.
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

std::string ListedNameKey(std::string_view name) {
  std::string key(name);
  for (std::size_t i = 0; i < key.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(key[i]);
    if (c >= 0x81 && c <= 0xFE) ++i;  // the trail byte may look like an ASCII letter
    else if (c >= 'A' && c <= 'Z') key[i] = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}

bool IsProgramDataFile(std::string_view name, const std::set<std::string>& listed) {
  const std::string key = ListedNameKey(name);
  if (IsProgramKey(key, listed)) return true;
  // '.' is never a CP949 trail byte, so a match found in the bytes is a real character.
  for (const std::string_view tail : {".damaged-", ".unsaved-"}) {
    for (std::size_t at = key.find(tail); at != std::string::npos; at = key.find(tail, at + 1))
      if (IsProgramKey(std::string_view(key).substr(0, at), listed)) return true;
  }
  return false;
}

bool SameFolder(std::wstring_view a, std::wstring_view b) {
  const auto trimmed = [](std::wstring_view path) {
    while (!path.empty() && IsSeparator(path.back())) path.remove_suffix(1);
    return path;
  };
  a = trimmed(a);
  b = trimmed(b);
  if (a.size() != b.size() || a.empty()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](wchar_t c) {
      if (IsSeparator(c)) return L'\\';
      return IsAsciiLetter(c) ? static_cast<wchar_t>(c | 0x20) : c;
    };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

bool IsAnniversaryFile(std::wstring_view name) {
  std::wstring folded(name);
  for (wchar_t& c : folded) {
    if (IsAsciiLetter(c)) c = static_cast<wchar_t>(c | 0x20);
  }
  static constexpr std::wstring_view kName = L"dayinfo.dat";
  if (folded == kName) return true;
  // The copies the program keeps of anniversaries it could not read or write in place.
  for (const std::wstring_view tail : {L".damaged-", L".unsaved-"}) {
    const std::wstring prefix = std::wstring(kName) + std::wstring(tail);
    if (folded.size() > prefix.size() && folded.compare(0, prefix.size(), prefix) == 0) return true;
  }
  return false;
}

bool IsListFile(std::string_view name) { return IsListKey(ListedNameKey(name)); }

std::vector<std::string> ProgramFilesToDelete(const std::vector<DataFolderFile>& files) {
  std::set<std::string> listed;
  for (const DataFolderFile& file : files) {
    if (!IsListKey(ListedNameKey(file.name))) continue;
    if (const auto names = ContentFilesOfList(file.bytes))
      for (const std::string& listedName : *names) listed.insert(ListedNameKey(listedName));
  }
  std::vector<std::string> doomed;
  for (const DataFolderFile& file : files)
    if (IsProgramDataFile(file.name, listed)) doomed.push_back(file.name);
  return doomed;
}

}  // namespace unquill
