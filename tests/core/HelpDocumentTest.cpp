#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

#include "memo/HelpDocument.h"

namespace quillet {
namespace {

// The comparisons below need the Korean literals as CP949 bytes (two per syllable).
static_assert(sizeof("사용법") == 7, "tests must be compiled with -fexec-charset=CP949");

bool IsLowerHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

int HexValue(char c) { return c <= '9' ? c - '0' : c - 'a' + 10; }

// What a reader shows of the document: escapes decoded to their bytes, \par and \tab as
// line feed and tab, other control words dropped, font and colour tables skipped.
std::string VisibleText(std::string_view rtf) {
  std::string text;
  int depth = 0;
  int skippedGroup = 0;  // depth of the table being skipped, 0 for none
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const char c = rtf[i];
    const bool visible = skippedGroup == 0;
    if (c == '{') {
      ++depth;
      const std::string_view rest = rtf.substr(i + 1);
      if (visible && (rest.rfind("\\fonttbl", 0) == 0 || rest.rfind("\\colortbl", 0) == 0 ||
                      rest.rfind("\\*", 0) == 0)) {
        skippedGroup = depth;
      }
    } else if (c == '}') {
      if (depth == skippedGroup) skippedGroup = 0;
      --depth;
    } else if (c == '\\' && i + 1 < rtf.size()) {
      const char next = rtf[++i];
      if (next == '\\' || next == '{' || next == '}') {
        if (visible) text += next;
      } else if (next == '\'' && i + 2 < rtf.size()) {
        if (visible) text += static_cast<char>(HexValue(rtf[i + 1]) * 16 + HexValue(rtf[i + 2]));
        i += 2;
      } else if (std::isalpha(static_cast<unsigned char>(next))) {
        std::size_t end = i;
        while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
        const std::string_view word = rtf.substr(i, end - i);
        if (end < rtf.size() && rtf[end] == '-') ++end;
        while (end < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[end]))) ++end;
        if (end < rtf.size() && rtf[end] == ' ') ++end;  // the delimiter belongs to the word
        if (visible && word == "par") text += '\n';
        if (visible && word == "tab") text += '\t';
        i = end - 1;
      }
    } else if (c != '\n' && c != '\r' && visible) {
      text += c;
    }
  }
  return text;
}

// Single bytes below 0x80, or a lead byte 0x81-0xFE with a trail byte in one of the
// code page's three trail ranges.
bool IsValidCp949(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) continue;
    if (lead == 0x80 || lead == 0xff || i + 1 == text.size()) return false;
    const auto trail = static_cast<unsigned char>(text[++i]);
    const bool trailOk = (trail >= 0x41 && trail <= 0x5a) || (trail >= 0x61 && trail <= 0x7a) ||
                         (trail >= 0x81 && trail <= 0xfe);
    if (!trailOk) return false;
  }
  return true;
}

class HelpDocumentTest : public ::testing::Test {
 protected:
  const std::string rtf = HelpDocumentRtf();
};

TEST_F(HelpDocumentTest, OutputIsSevenBitWithWellFormedEscapes) {
  ASSERT_FALSE(rtf.empty());
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const auto byte = static_cast<unsigned char>(rtf[i]);
    ASSERT_LT(byte, 0x80) << "raw byte at " << i;
    ASSERT_TRUE(byte >= 0x20 || byte == '\n') << "control byte at " << i;
    if (byte == '\\' && i + 1 < rtf.size()) {
      if (rtf[i + 1] == '\'') {
        ASSERT_LT(i + 3, rtf.size());
        EXPECT_TRUE(IsLowerHex(rtf[i + 2]) && IsLowerHex(rtf[i + 3]))
            << "escape at " << i << ": " << rtf.substr(i, 4);
      }
      ++i;  // the escaped character is not the start of another escape
    }
  }
}

TEST_F(HelpDocumentTest, BracesBalanceAndTheDocumentGroupClosesLast) {
  int depth = 0;
  std::size_t closedAt = std::string::npos;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
    } else if (rtf[i] == '{') {
      ASSERT_EQ(closedAt, std::string::npos) << "text after the document at " << i;
      ++depth;
    } else if (rtf[i] == '}') {
      ASSERT_GT(depth, 0) << "unmatched brace at " << i;
      if (--depth == 0) closedAt = i;
    }
  }
  EXPECT_EQ(depth, 0);
  ASSERT_NE(closedAt, std::string::npos);
  EXPECT_EQ(rtf.find_first_not_of("\r\n", closedAt + 1), std::string::npos);
}

TEST_F(HelpDocumentTest, DeclaresKoreanCodePageAndAKoreanDefaultFont) {
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  const std::string header = rtf.substr(0, rtf.find("\\pard"));
  EXPECT_NE(header.find("\\ansicpg949"), std::string::npos);
  EXPECT_NE(header.find("\\deff0"), std::string::npos);
  // The default font is the one the body text falls back to, so it must be Korean.
  const std::size_t f0 = header.find("{\\f0\\");
  ASSERT_NE(f0, std::string::npos);
  const std::string f0Entry = header.substr(f0, header.find(";}", f0) - f0);
  EXPECT_NE(f0Entry.find("\\fcharset129"), std::string::npos) << f0Entry;
}

TEST_F(HelpDocumentTest, DecodesToCp949OpeningWithTheTitle) {
  const std::string text = VisibleText(rtf);
  EXPECT_TRUE(IsValidCp949(text));
  const std::string title = "Quillet 사용법";
  EXPECT_EQ(text.substr(0, title.size() + 1), title + "\n");
  for (char c : text) {
    EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t')
        << "control character " << static_cast<int>(c) << " in the text";
  }
}

TEST_F(HelpDocumentTest, PathsKeepTheirBackslashes) {
  const std::string text = VisibleText(rtf);
  EXPECT_NE(text.find("CalendarSkin\\DayInfo.dat"), std::string::npos);
  EXPECT_NE(text.find("HKEY_CURRENT_USER\\Software\\Quillet Program\\Quillet"), std::string::npos);
}

}  // namespace
}  // namespace quillet
