#pragma once

#include <string_view>

namespace quillet {

// ASCII letters compared without case; skin words are ASCII.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quillet
