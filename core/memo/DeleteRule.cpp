#include "memo/DeleteRule.h"

namespace quillet {

DeleteAction DecideDelete(DeleteKeys keys, bool hasContent, bool contentUnreadable) {
  if (keys.alt) return DeleteAction::ToTemporaryStorage;
  if (keys.shift) return contentUnreadable ? DeleteAction::Ask : DeleteAction::ForGood;
  if (keys.ctrl) return DeleteAction::ToRecycleBin;
  return hasContent || contentUnreadable ? DeleteAction::Ask : DeleteAction::ForGood;
}

}  // namespace quillet
