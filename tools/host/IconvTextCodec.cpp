#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <stdexcept>
#include <string>

#include "HostTextCodec.h"

namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(descriptor_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // At every sequence iconv refuses, `replace(rest, out)` appends a stand-in and returns how many
  // input bytes it stands for; conversion goes on after them.
  template <typename Replace>
  std::string Convert(std::string_view input, Replace replace) {
    // One descriptor keeps state between calls, so calls take turns.
    std::lock_guard<std::mutex> lock(mutex_);
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(input.size() + input.size() / 2);
    char buffer[4096];
    // iconv's interface is not const-correct; it only reads the input.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
      char* next = buffer;
      std::size_t room = sizeof buffer;
      const std::size_t result = iconv(descriptor_, &in, &inLeft, &next, &room);
      out.append(buffer, static_cast<std::size_t>(next - buffer));
      if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      // EILSEQ (invalid or unmappable) or EINVAL (cut short at the end).
      const std::size_t stoodFor = replace(std::string_view(in, inLeft), out);
      const std::size_t skipped = std::min(std::max<std::size_t>(stoodFor, 1), inLeft);
      in += skipped;
      inLeft -= skipped;
      iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t descriptor_;
  std::mutex mutex_;
};

unsigned UnitAt(std::string_view littleEndian, std::size_t index) {
  return static_cast<unsigned char>(littleEndian[index]) | (static_cast<unsigned char>(littleEndian[index + 1]) << 8);
}

class IconvTextCodec final : public quillet::TextCodec {
 public:
  std::string Utf16ToCp949(std::u16string_view text) const override {
    // Built byte by byte so the host's own byte order does not matter.
    std::string units;
    units.reserve(text.size() * 2);
    for (const char16_t unit : text) {
      units.push_back(static_cast<char>(unit & 0xFF));
      units.push_back(static_cast<char>(unit >> 8));
    }
    return toCp949_.Convert(units, [](std::string_view rest, std::string& out) -> std::size_t {
      out.push_back('?');
      if (rest.size() < 2) return rest.size();
      const unsigned unit = UnitAt(rest, 0);
      // A whole pair is one character, so one '?'.
      const bool pair = unit >= 0xD800 && unit <= 0xDBFF && rest.size() >= 4 && UnitAt(rest, 2) >= 0xDC00 &&
                        UnitAt(rest, 2) <= 0xDFFF;
      return pair ? 4 : 2;
    });
  }

  std::string Cp949ToUtf8(std::string_view text) const override {
    return toUtf8_.Convert(text, [](std::string_view, std::string& out) -> std::size_t {
      // Only the offending byte goes; the next may begin good text.
      out.append("\xEF\xBF\xBD");
      return 1;
    });
  }

 private:
  mutable Converter toCp949_{"CP949", "UTF-16LE"};
  mutable Converter toUtf8_{"UTF-8", "CP949"};
};

}  // namespace

std::unique_ptr<quillet::TextCodec> MakeHostTextCodec() { return std::make_unique<IconvTextCodec>(); }
