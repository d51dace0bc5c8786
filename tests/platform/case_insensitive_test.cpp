#include "platform/case_insensitive.h"

#include <gtest/gtest.h>

namespace lexiglean {
namespace {

TEST(CaseInsensitiveTest, EveryLetterWithACaseFoldsNotOnlyAscii) {
  EXPECT_TRUE(EqualIgnoringCase(u"C:\\Docs\\Report.docx", u"c:\\docs\\report.DOCX"));
  EXPECT_TRUE(EqualIgnoringCase(u"\u00c9coles.txt", u"\u00e9COLES.TXT"));      // É, é
  EXPECT_TRUE(EqualIgnoringCase(u"\u0394\u03b5\u03bb\u03c4\u03b1", u"\u03b4\u0395\u039b\u03a4\u0391"));  // Greek
  EXPECT_FALSE(EqualIgnoringCase(u"\u00e9", u"e"));
  EXPECT_FALSE(EqualIgnoringCase(u"report", u"reports"));
  EXPECT_TRUE(EqualIgnoringCase(u"", u""));
}

// The document list's index finds entries by folded text: folding must agree with the comparison.
TEST(CaseInsensitiveTest, FoldedTextsAgreeWithTheComparisonForEveryCharacter) {
  for (char32_t c = 1; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::u16string text{static_cast<char16_t>(c)};
    const std::u16string folded = CaseFolded(text);
    ASSERT_TRUE(EqualIgnoringCase(text, folded)) << static_cast<unsigned>(c);
    ASSERT_EQ(CaseFolded(folded), folded) << static_cast<unsigned>(c);
  }
  EXPECT_EQ(CaseFolded(u"C:\\Docs\\\u00e9cole.txt"), CaseFolded(u"c:\\DOCS\\\u00c9COLE.TXT"));
}

}  // namespace
}  // namespace lexiglean
