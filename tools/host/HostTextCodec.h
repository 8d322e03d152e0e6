#pragma once

#include <memory>

#include "ports/TextCodec.h"

// The conversions of the system the tool runs on: iconv on POSIX, the code-page tables on Windows.
// Throws std::runtime_error if the system has no CP949 converter.
std::unique_ptr<quillet::TextCodec> MakeHostTextCodec();
