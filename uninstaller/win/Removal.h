#pragma once

#include <string>

namespace unquill {

// The full path of Unquill.exe, however long.
std::wstring ThisProgramPath();

// The steps of the removal, each on the program folder (ending with a backslash).

// Where this installation was made: for the user (HKCU's Uninstall entry, the user's Start menu)
// or, by an older installer, for the machine (HKLM's entry names this folder).
enum class Installation { User, Machine };
Installation InstallationOf(const std::wstring& programFolder);
// Whether this process may change everything the removal touches: the program folder and, for
// a machine installation, its Uninstall entry. Asked before anything is changed.
bool MayRemove(const std::wstring& programFolder, Installation installation);

// "Quillet.exe", then "quillet-data.exe". False, with the system's words for why, when
// "Quillet.exe" could not be deleted: nothing else may go then.
bool DeletePrograms(const std::wstring& programFolder, std::wstring& why);
// The memo data folder "MemoDBFolder" names: only the files the program made, then the folder
// if nothing else is left in it.
void DeleteMemoData();
// The same in a folder given: the program's files, then the folder if that empties it.
void DeleteProgramFilesIn(const std::wstring& dataFolder);
// "%APPDATA%\Quillet": the folder where the program keeps its anniversaries, launcher list and
// edited skins when it cannot write its own folder; it holds nothing else.
void DeletePerUserFolder();
// The skin folders; with `keepMemos` the calendar's anniversaries ("CalendarSkin\DayInfo.dat")
// and their folder stay.
void DeleteSkins(const std::wstring& programFolder, bool keepMemos);
// The settings key, the Uninstall entry where the installation made it and the autostart value.
void DeleteRegistryEntries(Installation installation);
// "Quillet" in the user's Programs folder of the Start menu, and the common one's for a machine
// installation.
void DeleteStartMenuFolders(Installation installation);
// Unquill.exe, and then the program folder when empty by then, at the next restart; only with the
// right to ask for it.
void RemoveSelfAtRestart(const std::wstring& programFolder);

// "/older FOLDER", which this version's installer runs with an administrator's consent: the
// installation an older installer made for the machine in FOLDER goes (its programs, skins, HKLM's
// Uninstall entry, the common Start-menu folder, then the folder when nothing is left in it) once
// the installer has carried the user's files to the new one. The user's settings, memos,
// anniversaries and Start menu stay: they are the new installation's. False, removing nothing,
// unless HKLM's entry names FOLDER and this process may change it all.
bool RemoveOlderMachineInstallation(const std::wstring& programFolder);

}  // namespace unquill
