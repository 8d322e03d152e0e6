#pragma once

#include <string_view>

namespace quillet {

// The C runtime's atoi: leading blanks, an optional sign, digits up to the first other
// character; nothing readable gives 0. Out-of-range values saturate, as the Windows runtime does.
int ParseIntLikeAtoi(std::string_view text);

// The C runtime's atof: leading blanks, a sign, digits with one decimal point, an exponent;
// the longest such start of the text, or 0. Independent of the C library and its locale.
double ParseDoubleLikeAtof(std::string_view text);

}  // namespace quillet
