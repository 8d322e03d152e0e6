#pragma once

#include <string>

namespace quillet {

// The help memo placed in a new data folder: a complete RTF document in code page 949.
std::string HelpDocumentRtf();

}  // namespace quillet
