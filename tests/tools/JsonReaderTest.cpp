#include <gtest/gtest.h>

#include <string>

#include "JsonReader.h"

namespace quillet {
namespace {

TEST(JsonReader, ReadsEveryKindOfValueAndEscape) {
  const JsonDocument document = ParseJson(
      "\xEF\xBB\xBF {\"list\": [true, false, null, -0.5E+3, 0, {}, []],\n"
      " \"text\": \"\\\" \\\\ \\/ \\b \\f \\n \\r \\t \\u0041 \\u00e9 \\uD83D\\uDE00 \xEA\xB0\x80\", \"\": \"\"}");
  ASSERT_EQ(document.error, "");
  const JsonValue& root = document.root;
  ASSERT_EQ(root.kind, JsonKind::Object);
  ASSERT_EQ(root.members.size(), 3u);
  const JsonValue& list = root.members[0].value;
  ASSERT_EQ(list.items.size(), 7u);
  EXPECT_TRUE(list.items[0].kind == JsonKind::Boolean && list.items[0].boolean);
  EXPECT_TRUE(list.items[1].kind == JsonKind::Boolean && !list.items[1].boolean);
  EXPECT_EQ(list.items[2].kind, JsonKind::Null);
  EXPECT_EQ(list.items[3].text, "-0.5E+3");
  EXPECT_EQ(list.items[5].kind, JsonKind::Object);
  EXPECT_EQ(list.items[6].kind, JsonKind::Array);
  EXPECT_EQ(root.members[1].name, "text");
  EXPECT_EQ(root.members[1].value.text,
            "\" \\ / \b \f \n \r \t A \xC3\xA9 \xF0\x9F\x98\x80 \xEA\xB0\x80");
  EXPECT_EQ(ParseJson(std::string(kJsonMaxDepth, '[') + std::string(kJsonMaxDepth, ']')).error, "");
}

TEST(JsonReader, RefusesMalformedTextNamingItsPlace) {
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {"", "line 1, column 1: expected a value but found the end of the text"},
      {"[1 2]", "line 1, column 4: expected ',' or ']' but found '2'"},
      {"{\"\xEA\xB0\x80\": 1,\n \"b\" 1}", "line 2, column 6: expected ':' but found '1'"},
      {"{\"\xEA\xB0\x80\": 1 x}", "line 1, column 9: expected ',' or '}' but found 'x'"},
      {"{1: 2}", "line 1, column 2: expected a name in double quotes"},
      {"01", "line 1, column 2: expected the end of the text but found '1'"},
      {"[1.]", "line 1, column 4: expected a digit after the decimal point"},
      {"-e", "line 1, column 2: expected a digit but found 'e'"},
      {"1e+", "line 1, column 4: expected a digit in the exponent"},
      {"tru", "expected a value but found 't'"},
      {"[\x01]", "expected a value but found byte 0x01"},
      {"\"abc", "line 1, column 1: the string is not closed"},
      {"\"a\tb\"", "line 1, column 3: a control character in a string must be written as an escape"},
      {"\"\\x\"", "unknown escape"},
      {"\"\\u12g4\"", "\\u must be followed by four hexadecimal digits"},
      {"\"\\uDC00\"", "a surrogate escape must be one of a high-low pair"},
      {"\"\\uD800x\"", "a surrogate escape must be one of a high-low pair"},
      {"\"\\uD800\\u0041\"", "a high surrogate must be followed by a low one"},
      {"\"\xC0\x80\"", "line 1, column 2: the text is not UTF-8 here"},          // overlong
      {"\"\xED\xA0\x80\"", "the text is not UTF-8 here"},                        // a surrogate
      {"\"\xF4\x90\x80\x80\"", "the text is not UTF-8 here"},                    // past U+10FFFF
      {"\"\xEA\xB0\"", "the text is not UTF-8 here"},                            // cut short
      {std::string(kJsonMaxDepth + 1, '['), "nested deeper than 64 levels"},
      {std::string(kJsonMaxBytes + 1, ' '), "line 1, column 1: the text is longer than 16777216 bytes"},
  };
  for (const auto& c : cases) {
    const std::string error = ParseJson(c.text).error;
    EXPECT_NE(error.find(c.error), std::string::npos) << c.text.substr(0, 40) << " gave: " << error;
  }
  std::string many = "[0";
  for (std::size_t i = 1; i < kJsonMaxValues; ++i) many += ",0";
  EXPECT_EQ(ParseJson(many + "]").error,
            "line 1, column " + std::to_string(many.size()) + ": more than 1048576 values");
}

}  // namespace
}  // namespace quillet
