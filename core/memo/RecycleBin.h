#pragma once

#include <string>
#include <vector>

#include "ports/LocalTime.h"

namespace quillet {

class FileSystem;
class TextCodec;

// The restore dialog lists deleted memos (".brt") or, for manual recovery, content files (".rtf")
// that no memo list names.
enum class RestoreMode { RecycleBin, ManualRecovery };

struct RestoreEntry {
  std::string name;      // file name in the data folder, extension included
  std::string timeText;  // its modification time as "%d년%02d월%02d일 %02d시%02d분"
};

// The content file names every memo list of the folder names ("*.qld", "RecycleBin.qlr" and their
// ".unsaved-" copies), as
// PathKeys, sorted. `complete` is false when a list could not be read: manual recovery then
// cannot tell live files from orphans.
struct ListedContentFiles {
  std::vector<std::string> keys;
  bool complete = true;
  bool Names(const std::string& contentFile) const;
};
ListedContentFiles ContentFilesOfLists(const FileSystem& files, const TextCodec& codec, const std::string& folder,
                                       const std::string& exceptGroup = {});

enum class MemoRemoval { ToRecycleBin, ForGood };
// The content file of a memo the open group's list no longer names: deleted, or made "<name>.brt"
// for the recycle bin. A file another list may still name (a move cut short, an ".unsaved-" list,
// a list that cannot be read) stays; the recycle bin then gets a copy. False only when the
// recycle bin could not get it.
bool RemoveContentFile(FileSystem& files, const TextCodec& codec, const std::string& folder,
                       const std::string& openGroup, const std::string& contentFile, MemoRemoval how);

// The entries of `mode` in listing order: archived files only; in manual recovery only the files
// `listed` does not name.
std::vector<RestoreEntry> RestoreEntries(const FileSystem& files, const std::string& folder, RestoreMode mode,
                                         const ListedContentFiles& listed);
std::string RestoreTimeText(const LocalTime& time);
// "abc.brt" comes back as "abc.rtf"; a deleted "abc.rtf" (a name or a whole path) is "abc.brt".
std::string RestoredName(const std::string& name);
std::string DeletedName(const std::string& contentFile);

}  // namespace quillet
