#pragma once

// What the uninstaller may delete, decided without the Windows API so that it is tested
// natively. Paths are wide (the uninstaller works in UTF-16); names inside the memo data folder
// are compared as the main program writes them, in code page 949 bytes.

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace unquill {

// "C:\..." or "\\server\share\...".
bool IsAbsolutePath(std::wstring_view path);
// "C:\", "C:" or "\\server\share\" (trailing backslashes ignored).
bool IsDriveRoot(std::wstring_view path);
// Only an absolute folder below a drive root may be deleted.
bool MayDeleteFolder(std::wstring_view path);

// Whether two folder paths name one folder: ASCII letter case, "/" for "\" and trailing
// separators aside.
bool SameFolder(std::wstring_view a, std::wstring_view b);

// The memo data folder from the "MemoDBFolder" value, ending with one backslash: nothing when
// the value was not read whole, is empty, or names no folder that may be deleted.
std::optional<std::wstring> DataFolderFromValue(std::wstring_view value, bool readWhole);

// The Start-menu folder "<programs>\Quillet"; nothing when the shell could not name <programs>.
std::optional<std::wstring> StartMenuFolder(std::wstring_view programsFolder);

// The content file names a memo list names (code page 949 bytes, as stored), or nothing when
// the bytes do not begin with a memo list's signature. A record cut short ends the list; the
// complete records before it count.
std::optional<std::vector<std::string>> ContentFilesOfList(std::string_view bytes);

// Whether a file of the memo data folder is one the main program made: lists ("*.qld",
// "RecycleBin.qlr"), content files ("*.rtf", "*.brt") that a list names or that are named as the
// program names them (17 digits and the extension), "AboutQuillet.rtf", "QuilletAlarmInfo.qla",
// "memolist", "memolist160", "alarmlist", "alarmlist160", and any of those followed by
// ".damaged-…" or ".unsaved-…". `name` is code page 949 bytes; `listed` holds the names the lists
// name, as ListedNameKey gives them. Letter case of ASCII letters does not matter.
bool IsProgramDataFile(std::string_view name, const std::set<std::string>& listed);
// The key `listed` holds for a name: ASCII letters folded, CP949 trail bytes left alone.
std::string ListedNameKey(std::string_view name);

// With the memos kept, the calendar's skin folder keeps its anniversaries: "DayInfo.dat" and its
// "DayInfo.dat.damaged-…" and "DayInfo.dat.unsaved-…" copies.
bool IsAnniversaryFile(std::wstring_view name);

// Whether a name of the data folder is a memo list, whose contents name content files.
bool IsListFile(std::string_view name);

// The file names of the data folder to delete, given every file name in it and the contents
// of the lists among them (looked up by name).
struct DataFolderFile {
  std::string name;   // code page 949 bytes
  std::string bytes;  // the file's contents when IsListFile, else empty
};
std::vector<std::string> ProgramFilesToDelete(const std::vector<DataFolderFile>& files);

}  // namespace unquill
