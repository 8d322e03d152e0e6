#pragma once

#include <string>
#include <vector>

namespace quillet {

class FileSystem;

constexpr int kFirstSkinCommand = 5024;
constexpr int kMaxSkins = 200;  // commands 5024–5223

struct SkinChoice {
  std::string path;      // full path of the ".ski" file
  std::string menuText;  // the file name without its extension
  int command = 0;
};

// The skins of a widget kind: every archived "*.ski" in each subfolder of the skin root, in the
// order the system lists them, at most 200. A copy the user edited under `editedRoot` stands in
// for its original.
std::vector<SkinChoice> ListSkins(const FileSystem& files, const std::string& skinRoot,
                                  const std::string& editedRoot = {});

// Where edits of the skins under `skinRoot` go when the program cannot write its own folder: the
// same place under the user's folder. Empty when they go to the skins themselves.
std::string EditedSkinRoot(const std::string& skinRoot, const std::string& programFolder,
                           const std::string& userFilesFolder);
// The copy of `skinPath` under `editedRoot`; `skinPath` itself without an edited root or for a
// skin from elsewhere.
std::string EditedSkinPath(const std::string& skinPath, const std::string& skinRoot, const std::string& editedRoot);
// The files of the skin's folder copied beside `copyPath`, for the user to edit there; false
// unless the copied skin file is then there.
bool CopySkinForEditing(FileSystem& files, const std::string& skinPath, const std::string& copyPath);

}  // namespace quillet
