#pragma once

#include <functional>
#include <unordered_map>

namespace quillet::win {

// Command identifiers of the resources to their one handler, whichever menu, hotkey or window
// sent them.
class CommandTable {
 public:
  void On(unsigned id, std::function<void()> handler) { handlers_[id] = std::move(handler); }

  // False when no handler is known for the identifier.
  bool Run(unsigned id) const {
    const auto found = handlers_.find(id);
    if (found == handlers_.end()) return false;
    found->second();
    return true;
  }

 private:
  std::unordered_map<unsigned, std::function<void()>> handlers_;
};

}  // namespace quillet::win
