#pragma once

#include <string>

#include "ports/LocalTime.h"

namespace quillet {

class FileSystem;

// "20090317101005123.rtf": a new memo's content file, named from the moment it was made.
std::string ContentFileNameAt(const LocalTime& time);

// "2007-3-17 10:10": a memo's edit time.
std::string TimeText(const LocalTime& time);

// The edit time text of a file's last modification, or of `now` when its status cannot be read.
std::string FileTimeText(const FileSystem& files, const std::string& path, const LocalTime& now);

}  // namespace quillet
