#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet::win {

// The program's CP949 text at the wide API boundary. Code page 949 is named explicitly, so the
// result never depends on the system code page.

// A byte that does not start a valid CP949 character becomes U+FFFD and conversion goes on
// with the next byte.
std::wstring WidenCp949(std::string_view text);

// A character without a CP949 form (an unpaired surrogate included) becomes one '?'.
std::string NarrowToCp949(std::wstring_view text);

// Nothing when some character has no CP949 form, e.g. a file name the program could not
// address by its CP949 text.
std::optional<std::string> NarrowToCp949Exactly(std::wstring_view text);

}  // namespace quillet::win
