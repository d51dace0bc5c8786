// Telling what a file holds from its first bytes.
#include "documents/standin/document_kind.h"

#include <gtest/gtest.h>

#include <string>

namespace lexiglean {
namespace {

using namespace std::string_literals;

TEST(DocumentKindTest, TextIsRecognisedEvenWhenTheSampleCutsALetterInTwo) {
  EXPECT_EQ(ContentKindOf("Z\xC3\xBCrich"), ContentKind::PlainText);
  EXPECT_EQ(ContentKindOf("Z\xC3"), ContentKind::PlainText);  // "ü" cut by the end of the sample
  EXPECT_EQ(ContentKindOf("\xFF\xFEZ\0"s), ContentKind::PlainText);
  EXPECT_EQ(ContentKindOf("Z\xC3rich"), ContentKind::Other);
  EXPECT_EQ(ContentKindOf("Zu\0rich"s), ContentKind::Other);
}

TEST(DocumentKindTest, MagicBytesWinOverTheLookOfText) {
  EXPECT_EQ(ContentKindOf("\xEF\xBB\xBF{\\rtf1 text}"), ContentKind::Rtf);
  EXPECT_EQ(ContentKindOf("PK\x03\x04"), ContentKind::ZipPackage);
  EXPECT_EQ(ContentKindOf("junk\n%PDF-1.7\n"), ContentKind::Pdf);
  EXPECT_EQ(ContentKindOf("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"), ContentKind::CompoundFile);
  EXPECT_EQ(NamedKindOf("Report.DoCx"), NamedKind::Word);
  EXPECT_EQ(NamedKindOf("scan.PDF"), NamedKind::Pdf);
  EXPECT_EQ(NamedKindOf("notes.rtf"), NamedKind::Unsupported);
}

}  // namespace
}  // namespace lexiglean
