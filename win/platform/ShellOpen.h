#pragma once

#include <string>

namespace quillet::win {

// Hands an address or path (CP949) to the shell's "open", shown normally.
void OpenWithShell(const std::string& address);

}  // namespace quillet::win
