#include "Json.h"

#include <cstdio>

#include "ports/TextCodec.h"

namespace quillet {

std::string JsonString(std::string_view cp949, const TextCodec& codec) {
  const std::string utf8 = codec.Cp949ToUtf8(cp949);
  std::string out = "\"";
  for (const char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          out += escape;
        } else {
          out.push_back(c);
        }
    }
  }
  return out + '"';
}

}  // namespace quillet
