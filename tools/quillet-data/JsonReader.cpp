#include "JsonReader.h"

#include <cstdio>

#include "Unicode.h"

namespace quillet {

namespace {

struct ParseError {
  std::size_t offset;
  std::string what;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  JsonValue Document() {
    if (text_.size() > kJsonMaxBytes) Fail(0, "the text is longer than " + std::to_string(kJsonMaxBytes) + " bytes");
    // Notepad saves UTF-8 with a byte-order mark.
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") position_ = 3;
    JsonValue root = Value(0);
    SkipSpace();
    if (position_ < text_.size()) Fail(position_, "expected the end of the text but found " + Found());
    return root;
  }

 private:
  [[noreturn]] static void Fail(std::size_t offset, std::string what) { throw ParseError{offset, std::move(what)}; }

  bool AtEnd() const { return position_ >= text_.size(); }
  bool Peek(char c) const { return !AtEnd() && text_[position_] == c; }
  bool Take(char c) {
    if (!Peek(c)) return false;
    ++position_;
    return true;
  }

  void SkipSpace() {
    while (Peek(' ') || Peek('\t') || Peek('\n') || Peek('\r')) ++position_;
  }

  std::string Found() const {
    if (AtEnd()) return "the end of the text";
    const unsigned char c = static_cast<unsigned char>(text_[position_]);
    if (c > 0x20 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
    char byte[16];
    std::snprintf(byte, sizeof byte, "byte 0x%02X", c);
    return byte;
  }

  JsonValue Value(std::size_t depth) {
    SkipSpace();
    if (++values_ > kJsonMaxValues) Fail(position_, "more than " + std::to_string(kJsonMaxValues) + " values");
    JsonValue value;
    value.offset = position_;
    const char c = AtEnd() ? '\0' : text_[position_];
    if (c == '[') {
      value.kind = JsonKind::Array;
      Sequence(']', depth, [&] { value.items.push_back(Value(depth + 1)); });
    } else if (c == '{') {
      value.kind = JsonKind::Object;
      Sequence('}', depth, [&] { value.members.push_back(Member(depth)); });
    } else if (c == '"') {
      value.kind = JsonKind::String;
      value.text = String();
    } else if (c == '-' || IsDigit(c)) {
      value.kind = JsonKind::Number;
      value.text = Number();
    } else if (Word("true") || Word("false")) {
      value.kind = JsonKind::Boolean;
      value.boolean = c == 't';
    } else if (!Word("null")) {
      Fail(position_, "expected a value but found " + Found());
    }
    return value;
  }

  // The items of an array or the members of an object, up to `close`.
  template <class ReadItem>
  void Sequence(char close, std::size_t depth, ReadItem readItem) {
    if (depth >= kJsonMaxDepth) Fail(position_, "nested deeper than " + std::to_string(kJsonMaxDepth) + " levels");
    ++position_;
    SkipSpace();
    if (Take(close)) return;
    for (;;) {
      readItem();
      SkipSpace();
      if (Take(',')) continue;
      if (Take(close)) return;
      Fail(position_, std::string("expected ',' or '") + close + "' but found " + Found());
    }
  }

  JsonMember Member(std::size_t depth) {
    SkipSpace();
    JsonMember member;
    member.offset = position_;
    if (!Peek('"')) Fail(position_, "expected a name in double quotes but found " + Found());
    member.name = String();
    SkipSpace();
    if (!Take(':')) Fail(position_, "expected ':' but found " + Found());
    member.value = Value(depth + 1);
    return member;
  }

  bool Word(std::string_view word) {
    if (text_.substr(position_, word.size()) != word) return false;
    position_ += word.size();
    return true;
  }

  std::string Number() {
    const std::size_t start = position_;
    Take('-');
    if (!Take('0') && !Digits()) Fail(position_, "expected a digit but found " + Found());
    if (Take('.') && !Digits()) Fail(position_, "expected a digit after the decimal point but found " + Found());
    if (Take('e') || Take('E')) {
      if (!Take('+')) Take('-');
      if (!Digits()) Fail(position_, "expected a digit in the exponent but found " + Found());
    }
    return std::string(text_.substr(start, position_ - start));
  }

  bool Digits() {
    const std::size_t start = position_;
    while (!AtEnd() && IsDigit(text_[position_])) ++position_;
    return position_ > start;
  }

  std::string String() {
    const std::size_t start = position_++;
    std::string out;
    for (;;) {
      if (AtEnd()) Fail(start, "the string is not closed");
      const unsigned char c = static_cast<unsigned char>(text_[position_]);
      if (c == '"') break;
      if (c == '\\') {
        Escape(out);
      } else if (c < 0x20) {
        Fail(position_, "a control character in a string must be written as an escape");
      } else {
        const std::size_t from = position_;
        if (!NextCodePoint(text_, position_)) Fail(position_, "the text is not UTF-8 here");
        out.append(text_.substr(from, position_ - from));
      }
    }
    ++position_;
    return out;
  }

  void Escape(std::string& out) {
    const std::size_t start = position_++;
    const char c = AtEnd() ? '\0' : text_[position_++];
    switch (c) {
      case '"': case '\\': case '/': out.push_back(c); return;
      case 'b': out.push_back('\b'); return;
      case 'f': out.push_back('\f'); return;
      case 'n': out.push_back('\n'); return;
      case 'r': out.push_back('\r'); return;
      case 't': out.push_back('\t'); return;
      case 'u': break;
      default: Fail(start, "unknown escape; a backslash starts one of \\\" \\\\ \\/ \\b \\f \\n \\r \\t \\uXXXX");
    }
    char32_t unit = Hex4(start);
    if (unit >= 0xD800 && unit <= 0xDBFF && Word("\\u")) {
      const char32_t low = Hex4(start);
      if (low < 0xDC00 || low > 0xDFFF) Fail(start, "a high surrogate must be followed by a low one");
      unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      Fail(start, "a surrogate escape must be one of a high-low pair");
    }
    AppendUtf8(out, unit);
  }

  char32_t Hex4(std::size_t escape) {
    char32_t unit = 0;
    for (int i = 0; i < 4; ++i) {
      const int digit = AtEnd() ? -1 : HexDigit(text_[position_]);
      if (digit < 0) Fail(escape, "\\u must be followed by four hexadecimal digits");
      unit = unit * 16 + static_cast<char32_t>(digit);
      ++position_;
    }
    return unit;
  }

  std::string_view text_;
  std::size_t position_ = 0;
  std::size_t values_ = 0;
};

}  // namespace

JsonDocument ParseJson(std::string_view text) {
  JsonDocument document;
  try {
    document.root = Parser(text).Document();
  } catch (const ParseError& error) {
    document.error = JsonPosition(text, error.offset) + ": " + error.what;
  }
  return document;
}

std::string JsonPosition(std::string_view text, std::size_t offset) {
  std::size_t line = 1;
  std::size_t column = 1;
  for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++line;
      column = 1;
    } else if ((c & 0xC0) != 0x80) {  // continuation bytes belong to the character before
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace quillet
