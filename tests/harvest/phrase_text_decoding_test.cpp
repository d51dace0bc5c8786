#include "harvest/phrase_text_decoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harvest/phrase_scanner.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

// The file bytes of a UTF-16 text with its byte-order mark.
std::string Utf16File(std::u16string_view text, bool littleEndian) {
  std::string bytes = littleEndian ? std::string("\xFF\xFE") : std::string("\xFE\xFF");
  for (const char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += littleEndian ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}

TEST(PhraseTextDecodingTest, Utf16BecomesUtf8Text) {
  const std::u16string text = u"Visit New York City\r\nZ\u00FCrich Gare du Nord \u00C9cole Ab\u0141Cd \U0001F600Xy Zw";
  const std::string expected = Utf16ToUtf8(text);
  EXPECT_EQ(DecodeUtf16PhraseText(Utf16File(text, true)), expected);
  EXPECT_EQ(DecodeUtf16PhraseText(Utf16File(text, false)), expected);
  // Without the mark, NUL bytes show UTF-16 as they do to every reader.
  EXPECT_EQ(DecodeUtf16PhraseText(Utf16File(text, true).substr(2)), expected);
  EXPECT_EQ(DecodeUtf16PhraseText(Utf16File(text, false).substr(2)), expected);
  // A unit whose low byte is ASCII but whose high byte is not zero is no ASCII character (U+0141 above,
  // U+4E41 here).
  EXPECT_EQ(DecodeUtf16PhraseText(Utf16File(u"\u4E41", true)), std::string("\xE4\xB9\x81"));
  EXPECT_EQ(DecodeUtf16PhraseText(std::string("\xFF\xFE" "A\0B", 5)), std::string("A\xEF\xBF\xBD"));  // odd last byte
  // A surrogate pair split between two blocks is joined; a lone one becomes U+FFFD.
  Utf16PhraseTextDecoder decoder(true);
  std::string joined;
  const std::string pair = Utf16File(u"\U0001F600\xD800", true).substr(2);
  decoder.Decode(pair.substr(0, 3), joined);
  decoder.Decode(pair.substr(3), joined);
  decoder.Finish(joined);
  EXPECT_EQ(joined, "\xF0\x9F\x98\x80\xEF\xBF\xBD");
  EXPECT_EQ(DecodeUtf16PhraseText("\xFF\xFE"), std::string());
}

TEST(PhraseTextDecodingTest, DecodedTextYieldsThePhrasesOfTheText) {
  std::string storage;
  const std::string_view text =
      PhraseSearchText(Utf16File(u"We met the Bank of America team.\r\nCaf\u00E9 Noir Soir\r\n", true), storage);
  std::vector<std::string> found;
  ForEachPhraseInText(text, [&](const PhraseMatch& m) { found.emplace_back(text.substr(m.offset, m.length)); });
  EXPECT_EQ(found, (std::vector<std::string>{"Bank of America", "Noir Soir"}));
}

TEST(PhraseTextDecodingTest, OtherBytesAreSearchedAsTheyAre) {
  const std::string utf8 = "\xEF\xBB\xBFNew York";  // a UTF-8 byte-order mark is not UTF-16
  EXPECT_EQ(DecodeUtf16PhraseText(utf8), std::nullopt);
  EXPECT_EQ(DecodeUtf16PhraseText("\xFF"), std::nullopt);
  EXPECT_EQ(DecodeUtf16PhraseText(""), std::nullopt);
  std::string storage;
  const std::string_view text = PhraseSearchText(utf8, storage);
  EXPECT_EQ(text.data(), utf8.data());  // no copy
  EXPECT_TRUE(storage.empty());
}

}  // namespace
}  // namespace lexiglean
