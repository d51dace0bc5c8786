#include <gtest/gtest.h>

#include "platform/narrow_code_page.h"
#include "platform/text_decoding.h"
#include "platform/windows_1252.h"

namespace lexiglean {
namespace {

TEST(Windows1252Test, EveryByteRoundTripsAndOthersBecomeQuestionMarks) {
  std::string allBytes;
  for (int byte = 0; byte < 256; ++byte) allBytes.push_back(static_cast<char>(byte));
  const std::u16string decoded = DecodeWindows1252(allBytes);
  EXPECT_EQ(EncodeWindows1252(decoded), allBytes);
  EXPECT_EQ(decoded[0x80], u'\u20AC');
  EXPECT_EQ(decoded[0x81], u'\u0081');  // undefined in the table: its C1 control, as Windows maps it
  EXPECT_EQ(decoded[0x9F], u'\u0178');
  EXPECT_EQ(decoded[0xFC], u'ü');
  // One "?" per character, a surrogate pair included; an unpaired surrogate is a character too.
  EXPECT_EQ(EncodeWindows1252(u"a\u0100\U0001F600\xD800z"), "a???z");
}

TEST(NarrowCodePageTest, AsciiRoundTripsAndOffWindowsItIsWindows1252) {
  EXPECT_EQ(NarrowToUtf16(Utf16ToNarrow(u"plain ASCII")), u"plain ASCII");
#ifndef _WIN32
  EXPECT_EQ(Utf16ToNarrow(u"Zürich €"), "Z\xFCrich \x80");
  EXPECT_EQ(NarrowToUtf16("Z\xFCrich"), u"Zürich");
#endif
}

TEST(TextDecodingTest, ByteOrderMarkDecidesElseUtf8ElseNarrow) {
  using namespace std::string_literals;
  const struct {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"\xEF\xBB\xBFZ\xC3\xBCrich", u"Zürich"},
      {"\xFF\xFEZ\0\xFC\0"s, u"Zü"},
      {"\xFE\xFF\0Z\0\xFC\0"s, u"Zü"},  // the odd last byte is dropped
      {"Z\xC3\xBCrich", u"Zürich"},
      {"abc", u"abc"},
      {"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeTextBytes(c.bytes), c.text) << c.bytes;
#ifndef _WIN32
  EXPECT_EQ(DecodeTextBytes("Z\xFCrich"), u"Zürich");
#endif
}

}  // namespace
}  // namespace lexiglean
