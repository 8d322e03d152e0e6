#pragma once

#include <string>

namespace unquill {

// The full path of Unquill.exe, however long.
std::wstring ThisProgramPath();

// The steps of the removal, each on the program folder (ending with a backslash).

// "Quillet.exe", then "quillet-data.exe". False, with the system's words for why, when
// "Quillet.exe" could not be deleted: nothing else may go then.
bool DeletePrograms(const std::wstring& programFolder, std::wstring& why);
// The memo data folder "MemoDBFolder" names: only the files the program made, then the folder
// if nothing else is left in it.
void DeleteMemoData();
// The same in a folder given: the program's files, then the folder if that empties it.
void DeleteProgramFilesIn(const std::wstring& dataFolder);
// The skin folders; with `keepMemos` the calendar's anniversaries ("CalendarSkin\DayInfo.dat")
// and their folder stay.
void DeleteSkins(const std::wstring& programFolder, bool keepMemos);
// The settings key, the uninstall entry and the autostart value.
void DeleteRegistryEntries();
// "Quillet" in the user's and the common Programs folders of the Start menu.
void DeleteStartMenuFolders();
// Unquill.exe, and then the program folder when empty by then, at the next restart; only with the
// right to ask for it.
void RemoveSelfAtRestart(const std::wstring& programFolder);

}  // namespace unquill
