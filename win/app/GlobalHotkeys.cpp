#include "app/GlobalHotkeys.h"

namespace quillet::win {

GlobalHotkeys::~GlobalHotkeys() {
  for (int id = 0; id < kHotkeyCount; ++id) UnregisterHotKey(frame_, id);
}

bool GlobalHotkeys::Register(const HotkeyEntry& entry) {
  if (entry.virtualKey < 0) return true;
  return RegisterHotKey(frame_, entry.id, HotkeyModifiers(entry), static_cast<UINT>(entry.virtualKey)) != FALSE;
}

void GlobalHotkeys::RegisterAll() {
  for (const HotkeyEntry& entry : table_) Register(entry);
}

bool GlobalHotkeys::Reregister(int id, bool enable) {
  if (id < 0 || id >= kHotkeyCount) return false;
  UnregisterHotKey(frame_, id);
  return !enable || Register(table_[static_cast<std::size_t>(id)]);
}

}  // namespace quillet::win
