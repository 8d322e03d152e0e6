#pragma once

#include <string>

#include "ports/LocalTime.h"

namespace quillet {

class FileSystem;

// Removes the temporary files ("<name>.<digits>-<digits>.tmp") that writes cut short (a kill, a
// power cut) left in `folder` more than an hour before `now`. A younger one may be another
// instance's write in progress in a folder two PCs share. Returns how many went.
int RemoveStaleTemporaryFiles(FileSystem& files, const std::string& folder, const LocalTime& now);

}  // namespace quillet
