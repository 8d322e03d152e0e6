#pragma once

#include <string>

#include "memo/MemoRecord.h"

namespace quillet {

class FileSystem;

constexpr const char* kHelpDocumentFile = "AboutQuillet.rtf";

// The one memo of the starter group: the help document, titled "Quillet 사용법".
MemoRecord StarterMemoRecord();

// Puts the starter group (as `group`) and the help document into a data folder. Files already
// there are left as they are. False when one could not be written.
bool PlaceStarterFiles(FileSystem& files, const std::string& folder, const std::string& group);

}  // namespace quillet
