#pragma once

#include <filesystem>
#include <string_view>

// Replaces the file at `path` the way the program writes its data files: a flushed temporary
// file beside it, moved over it in one step. The old file survives any failure and no temporary
// file is left. False when the new contents are not in place.
bool ReplaceHostFile(const std::filesystem::path& path, std::string_view bytes);
