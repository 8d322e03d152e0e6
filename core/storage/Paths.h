#pragma once

#include <string>
#include <string_view>

namespace quillet {

// Every occurrence of `from` replaced by `to`.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);

// Doubled backslashes collapsed to one, except the two that open a network (UNC) path.
std::string CollapseBackslashes(std::string_view path);

// Collapsed, with exactly one trailing backslash; an empty path stays empty.
std::string NormaliseFolder(std::string_view folder);

// The part after the last backslash.
std::string_view FileNamePart(std::string_view path);
// The part up to and with the last backslash; empty without one.
std::string_view FolderPart(std::string_view path);

// A key under which two spellings of one Windows path compare equal: ASCII letters folded,
// the trail bytes of CP949 characters left alone.
std::string PathKey(std::string_view path);

// Whether a memo's content file name stored in a list may be used as a file in the data folder:
// no folder part, no drive, not "." or "..", not empty. A list from elsewhere must never
// make the program touch a file outside that folder.
bool IsPlainFileName(std::string_view name);

}  // namespace quillet
