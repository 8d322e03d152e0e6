#pragma once

#include "ports/LocalTime.h"

namespace quillet::win {

// For the end-to-end tests: with QUILLET_TEST_TRACE=FILE (read once) each call appends
// "YYYY-MM-DD HH:MM:SS text\n" to FILE; nothing when it is unset. `at` is the program's own
// "now", so traces follow QUILLET_TEST_NOW.
void TraceLine(const char* text, const LocalTime& at);

// For the end-to-end tests: the whole number of milliseconds from 100 to 3600000 the environment
// variable holds (read at each call), `otherwise` when it is unset or holds anything else.
unsigned TestMilliseconds(const wchar_t* variable, unsigned otherwise);

}  // namespace quillet::win
