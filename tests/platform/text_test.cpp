#include "platform/text.h"

#include <gtest/gtest.h>

namespace lexiglean {
namespace {

TEST(TextTest, Utf8RoundTripKeepsEveryPlane) {
  const std::u16string text = u"Zürich \u00DF \u20AC \U0001F600 end";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToUtf8(u"\u00E4"), "\xC3\xA4");
}

TEST(TextTest, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");           // truncated sequence
  EXPECT_EQ(Utf8ToUtf16("\xE4x"), u"\uFFFDx");           // Latin-1 byte
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");   // overlong slash
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_FALSE(IsValidUtf8("\xE4"));
  EXPECT_TRUE(IsValidUtf8("\xC3\xA4 plain"));
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(TextTest, NumbersPrintAsTheFormatsDo) {
  EXPECT_EQ(HexText(0x80004005u), u"80004005");
  EXPECT_EQ(HexText(0), u"0");
  EXPECT_EQ(HexText(0xABCu), u"ABC");
  EXPECT_EQ(Hex8Text(0x1F3u), u"000001f3");
  EXPECT_EQ(DecimalText(-12), u"-12");
}

TEST(TextTest, PlaceholdersAreFilledInOrder) {
  EXPECT_EQ(FillPlaceholders(u"... converting %s.%s ...", {u"report", u"docx"}), u"... converting report.docx ...");
  EXPECT_EQ(FillPlaceholders(u"100%s", {u"%s"}), u"100%s");
}

}  // namespace
}  // namespace lexiglean
