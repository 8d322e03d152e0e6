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
// order the system lists them, at most 200.
std::vector<SkinChoice> ListSkins(const FileSystem& files, const std::string& skinRoot);

}  // namespace quillet
