#include <gtest/gtest.h>

#include "Fakes.h"
#include "archive/ArchiveReader.h"
#include "archive/ArchiveWriter.h"

namespace quillet {
namespace {

using testing::TinyCodec;

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

TEST(Archive, IntegersAreLittleEndian) {
  ArchiveWriter writer;
  writer.Int32(-2);
  writer.UInt32(0x11223344);
  EXPECT_EQ(writer.bytes(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x44, 0x33, 0x22, 0x11}));

  TinyCodec codec;
  ArchiveReader reader(writer.bytes(), codec);
  EXPECT_EQ(reader.Int32(), -2);
  EXPECT_EQ(reader.UInt32(), 0x11223344u);
  EXPECT_TRUE(reader.ok());
  EXPECT_TRUE(reader.AtEnd());
}

TEST(Archive, StringLengthPrefixChangesFormAtEachBoundary) {
  struct Case {
    std::size_t length;
    std::string prefix;
  };
  const Case cases[] = {
      {0, Bytes({0x00})},
      {254, Bytes({0xFE})},
      {255, Bytes({0xFF, 0xFF, 0x00})},
      {0xFFFD, Bytes({0xFF, 0xFD, 0xFF})},
      // 0xFFFE would read as the UTF-16 marker, so it already takes the long form.
      {0xFFFE, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
      {0x10000, Bytes({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00})},
  };
  TinyCodec codec;
  for (const Case& c : cases) {
    const std::string text(c.length, 'x');
    ArchiveWriter writer;
    writer.String(text);
    EXPECT_EQ(writer.bytes().substr(0, c.prefix.size()), c.prefix) << c.length;
    EXPECT_EQ(writer.bytes().size(), c.prefix.size() + c.length) << c.length;

    ArchiveReader reader(writer.bytes(), codec);
    EXPECT_EQ(reader.String(), text) << c.length;
    EXPECT_TRUE(reader.ok() && reader.AtEnd()) << c.length;
  }
}

TEST(Archive, Utf16StringsAreReadAsCp949) {
  TinyCodec codec;
  // 0xFF, marker 0xFFFE, then a character count of 2: "A" and U+AC00.
  const std::string shortForm = Bytes({0xFF, 0xFE, 0xFF, 0x02, 'A', 0x00, 0x00, 0xAC});
  ArchiveReader shortReader(shortForm, codec);
  EXPECT_EQ(shortReader.String(), "A\xB0\xA1");
  EXPECT_TRUE(shortReader.ok() && shortReader.AtEnd());

  // The count itself in its 16-bit form.
  std::string longForm = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x01});
  for (int i = 0; i < 256; ++i) longForm += Bytes({'z', 0x00});
  ArchiveReader longReader(longForm, codec);
  EXPECT_EQ(longReader.String(), std::string(256, 'z'));
  EXPECT_TRUE(longReader.ok() && longReader.AtEnd());
}

TEST(Archive, LengthsBeyondTheRemainingBytesFailWithoutReading) {
  TinyCodec codec;
  const std::string damaged[] = {
      Bytes({0x05, 'a', 'b'}),                                       // short form, 5 of 2
      Bytes({0xFF, 0x00, 0x10, 'a'}),                                // 16-bit, 4096 of 1
      Bytes({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F}),             // 32-bit, about 2 GB
      Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,               // 64-bit, past any file
             0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
      Bytes({0xFF, 0xFE, 0xFF, 0x02, 'A', 0x00, 0x00}),              // UTF-16, half a character short
      Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,   // UTF-16 count whose byte size wraps
             0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 'A', 0x00}),
      Bytes({0xFF, 0xFF}),                                           // prefix itself cut short
  };
  for (const std::string& bytes : damaged) {
    ArchiveReader reader(bytes, codec);
    EXPECT_EQ(reader.String(), "");
    EXPECT_FALSE(reader.ok());
  }
}

TEST(Archive, AFailureSticks) {
  TinyCodec codec;
  const std::string bytes = Bytes({0x01, 0x00, 0x00});
  ArchiveReader reader(bytes, codec);
  EXPECT_EQ(reader.Int32(), 0);
  EXPECT_FALSE(reader.ok());
  // The three bytes are still there, but nothing more is read after a failure.
  EXPECT_EQ(reader.String(), "");
  EXPECT_EQ(reader.Remaining(), 3u);
}

}  // namespace
}  // namespace quillet
