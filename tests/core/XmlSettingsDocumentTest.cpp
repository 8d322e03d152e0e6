#include <gtest/gtest.h>

#include "settings/XmlSettingsDocument.h"

namespace quillet {
namespace {

TEST(XmlSettingsDocument, ReadsSectionsAndKeysWithoutARootElement) {
  XmlSettingsDocument document;
  ASSERT_TRUE(document.Parse("<General><StartDX> 42px</StartDX><Empty/><Title>한글 제목</Title></General>"
                             "<Clock><WinSXSY>1 2</WinSXSY></Clock>"));
  EXPECT_EQ(document.ReadInt("General", "StartDX", 0), 42);
  EXPECT_EQ(document.ReadInt("General", "Empty", 7), 7);
  EXPECT_EQ(document.ReadString("General", "Empty", "x"), "");
  EXPECT_EQ(document.ReadString("General", "Missing", "x"), "x");
  EXPECT_EQ(document.ReadString("Nowhere", "StartDX", "y"), "y");
  EXPECT_EQ(document.ReadString("General", "Title", ""), "한글 제목");
  EXPECT_EQ(document.ReadString("Clock", "WinSXSY", ""), "1 2");
}

TEST(XmlSettingsDocument, ARewrittenKeyStaysInItsPlace) {
  XmlSettingsDocument document;
  document.WriteString("General", "A", "1");
  document.WriteInt("General", "B", 2);
  document.WriteString("Clock", "C", "<&>");
  document.WriteInt("General", "A", -5);

  XmlSettingsDocument reread;
  ASSERT_TRUE(reread.Parse(document.Print()));
  EXPECT_EQ(reread.ReadInt("General", "A", 0), -5);
  EXPECT_EQ(reread.ReadString("Clock", "C", ""), "<&>");
  const std::string text = document.Print();
  EXPECT_LT(text.find("<A>"), text.find("<B>"));
  EXPECT_LT(text.find("<General>"), text.find("<Clock>"));
  EXPECT_EQ(text.find("<A>1"), std::string::npos);
}

TEST(XmlSettingsDocument, MalformedOrEmptyTextDoesNotParse) {
  XmlSettingsDocument document;
  EXPECT_FALSE(document.Parse(""));
  EXPECT_FALSE(document.Parse("<General><A>1</General>"));
  EXPECT_FALSE(document.Parse(std::string("\x00\x01\x02", 3)));
}

}  // namespace
}  // namespace quillet
