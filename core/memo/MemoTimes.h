#pragma once

#include <string>
#include <vector>

#include "ports/LocalTime.h"

namespace quillet {

class FileSystem;

// "20090317101005123.rtf": a new memo's content file, named from the moment it was made.
std::string ContentFileNameAt(const LocalTime& time);

// A new memo's content file in `folder`: named from `now`, or from the next millisecond on while
// that name is taken on the disk (as ".rtf" or ".brt") or by a memo not saved yet (`taken`).
// Windows' clock moves in steps of about 15 ms, so two memos made at once meet the same moment.
std::string FreeContentFileName(const FileSystem& files, const std::string& folder, const LocalTime& now,
                                const std::vector<std::string>& taken);

// "2007-3-17 10:10": a memo's edit time.
std::string TimeText(const LocalTime& time);

// The edit time text of a file's last modification, or of `now` when its status cannot be read.
std::string FileTimeText(const FileSystem& files, const std::string& path, const LocalTime& now);

}  // namespace quillet
