#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quillet {

// The whole of a file named on the command line.
std::optional<std::string> ReadInputFile(const std::filesystem::path& name);

// The whole of standard input, as bytes.
std::optional<std::string> ReadStandardInput();

}  // namespace quillet
