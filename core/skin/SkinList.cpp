#include "skin/SkinList.h"

#include "ports/FileSystem.h"
#include "storage/Paths.h"

namespace quillet {

std::vector<SkinChoice> ListSkins(const FileSystem& files, const std::string& skinRoot) {
  std::vector<SkinChoice> skins;
  const std::string root = NormaliseFolder(skinRoot);
  for (const std::string& folder : files.ListSubfolders(root)) {
    for (const FolderEntry& entry : files.ListFiles(root + folder, "*.ski")) {
      if (!entry.archive) continue;
      if (static_cast<int>(skins.size()) == kMaxSkins) return skins;
      SkinChoice choice;
      choice.path = root + folder + "\\" + entry.name;
      choice.menuText = entry.name.size() > 4 ? entry.name.substr(0, entry.name.size() - 4) : std::string();
      choice.command = kFirstSkinCommand + static_cast<int>(skins.size());
      skins.push_back(std::move(choice));
    }
  }
  return skins;
}

}  // namespace quillet
