#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

class FileSystem;

// How many characters a Ctrl+click reaches on each side.
inline constexpr std::size_t kClickReach = 100;

// The word under a Ctrl+click in the editor's CP949 text, given the byte offset of the clicked
// character: from that character up to 100 characters back and 100 forward (itself included),
// each side cut at the nearest space, CR or LF. A character is one byte, or a lead byte with its
// trail byte; an offset past the text stands for its end.
std::string WordAt(std::string_view text, std::size_t offset);

// What such a word may hand to the shell: "scheme://…" and "mailto:…" as written, "www.…" as an
// http address, and absolute paths (drive or UNC) that exist. A bare word like "shutdown" would
// start the program of that name, so anything else gives nothing.
std::optional<std::string> AddressToOpen(std::string_view word, const FileSystem& files);

}  // namespace quillet
