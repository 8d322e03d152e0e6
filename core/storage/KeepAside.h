#pragma once

#include <optional>
#include <string>

#include "ports/LocalTime.h"

namespace quillet {

class FileSystem;

// Renames a file the program could not read to "<name>.damaged-YYYYMMDD-HHMMSS" (with "-2",
// "-3", ... when that exists), so that nothing ever writes over it. The new path, or nothing
// when the rename failed.
std::optional<std::string> KeepDamagedFileAside(FileSystem& files, const std::string& path, const LocalTime& now);

}  // namespace quillet
