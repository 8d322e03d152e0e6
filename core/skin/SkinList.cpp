#include "skin/SkinList.h"

#include <optional>

#include "ports/FileSystem.h"
#include "storage/Paths.h"

namespace quillet {

namespace {

// The rest of `path` after `folder` (which ends with a backslash), or nothing when it lies elsewhere.
std::optional<std::string> Below(const std::string& path, const std::string& folder) {
  if (folder.empty() || path.size() <= folder.size() || PathKey(path.substr(0, folder.size())) != PathKey(folder)) {
    return std::nullopt;
  }
  return path.substr(folder.size());
}

}  // namespace

std::string EditedSkinRoot(const std::string& skinRoot, const std::string& programFolder,
                           const std::string& userFilesFolder) {
  const std::string program = NormaliseFolder(programFolder);
  const std::string user = NormaliseFolder(userFilesFolder);
  if (user.empty() || PathKey(user) == PathKey(program)) return {};
  const std::optional<std::string> rest = Below(NormaliseFolder(skinRoot), program);
  return rest ? user + *rest : std::string();
}

std::string EditedSkinPath(const std::string& skinPath, const std::string& skinRoot, const std::string& editedRoot) {
  if (editedRoot.empty()) return skinPath;
  const std::optional<std::string> rest = Below(skinPath, NormaliseFolder(skinRoot));
  return rest ? NormaliseFolder(editedRoot) + *rest : skinPath;
}

bool CopySkinForEditing(FileSystem& files, const std::string& skinPath, const std::string& copyPath) {
  const std::string from(FolderPart(skinPath));
  const std::string to(FolderPart(copyPath));
  // The copy's folder and its parent, the widget kind's folder under the user's.
  const std::string parent(FolderPart(std::string_view(to).substr(0, to.size() - 1)));
  for (const std::string& folder : {parent, to}) {
    if (!files.FolderExists(folder) && !files.CreateFolder(folder)) return false;
  }
  for (const FolderEntry& entry : files.ListFiles(from, "*")) {
    if (!files.FileExists(to + entry.name)) files.CopyFile(from + entry.name, to + entry.name);
  }
  return files.FileExists(copyPath);
}

std::vector<SkinChoice> ListSkins(const FileSystem& files, const std::string& skinRoot, const std::string& editedRoot) {
  std::vector<SkinChoice> skins;
  const std::string root = NormaliseFolder(skinRoot);
  for (const std::string& folder : files.ListSubfolders(root)) {
    for (const FolderEntry& entry : files.ListFiles(root + folder, "*.ski")) {
      if (!entry.archive) continue;
      if (static_cast<int>(skins.size()) == kMaxSkins) return skins;
      SkinChoice choice;
      choice.path = root + folder + "\\" + entry.name;
      const std::string edited = EditedSkinPath(choice.path, root, editedRoot);
      if (edited != choice.path && files.FileExists(edited)) choice.path = edited;
      choice.menuText = entry.name.size() > 4 ? entry.name.substr(0, entry.name.size() - 4) : std::string();
      choice.command = kFirstSkinCommand + static_cast<int>(skins.size());
      skins.push_back(std::move(choice));
    }
  }
  return skins;
}

}  // namespace quillet
