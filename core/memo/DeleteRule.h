#pragma once

namespace quillet {

enum class DeleteAction {
  ToTemporaryStorage,  // the memo moves to "RecycleBin.qlr"
  ToRecycleBin,        // its content file becomes ".brt", restorable
  ForGood,             // its content file is deleted
  Ask,                 // the delete dialog decides
};

struct DeleteKeys {
  bool alt = false;
  bool shift = false;
  bool ctrl = false;
};

// What deleting a memo does, by the keys held. A memo with content — text or an embedded picture
// — or one whose content file could not be read (its words may still be in it) is never deleted
// for good without asking.
DeleteAction DecideDelete(DeleteKeys keys, bool hasContent, bool contentUnreadable);

}  // namespace quillet
