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

}  // namespace
}  // namespace lexiglean
