// The WordprocessingML walk beyond what the fixtures show, and the package reader's size cap.
#include "documents/standin/word_xml_text.h"

#include <gtest/gtest.h>

#include "documents/standin/docx_reader.h"
#include "documents/standin/zip_entry.h"
#include "standin_test_support.h"

namespace lexiglean {
namespace {

using standin_test::Fixture;

TEST(WordXmlTextTest, WordElementsAreKnownByTheirNamespaceNotByTheLetterW) {
  EXPECT_EQ(WordXmlToText(R"(<x:document xmlns:x="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
      <x:body><x:p><x:r><x:t>One</x:t><x:tab/><x:t>Two</x:t></x:r></x:p></x:body></x:document>)"),
            "One\tTwo\r\n");
  EXPECT_EQ(WordXmlToText(R"(<document xmlns="http://purl.oclc.org/ooxml/wordprocessingml/main">
      <body><p><r><t>Strict</t></r></p></body></document>)"),
            "Strict\r\n");
}

TEST(WordXmlTextTest, BlankRunsAreKeptAndLineEndsInsideTextBecomeBlanks) {
  EXPECT_EQ(WordXmlToText(R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
      <w:body><w:p><w:r><w:t>Neue</w:t></w:r><w:r><w:t xml:space="preserve"> </w:t></w:r>
      <w:r><w:t>Zürcher
Zeitung</w:t></w:r></w:p></w:body></w:document>)"),
            "Neue Zürcher Zeitung\r\n");
}

TEST(WordXmlTextTest, MalformedXmlIsRefusedAndDeepNestingDoesNotExhaustTheStack) {
  EXPECT_FALSE(WordXmlToText("<w:document><w:body><w:p>"));
  EXPECT_FALSE(WordXmlToText(""));
  std::string deep = R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)";
  constexpr int kDepth = 200000;
  for (int i = 0; i < kDepth; ++i) deep += "<w:sdt>";
  deep += "<w:p><w:r><w:t>Deep</w:t></w:r></w:p>";
  for (int i = 0; i < kDepth; ++i) deep += "</w:sdt>";
  deep += "</w:document>";
  EXPECT_EQ(WordXmlToText(deep), "Deep\r\n");
}

TEST(DocxReaderTest, APartLargerThanTheCapIsRefusedWhateverSizeTheArchiveClaims) {
  const std::filesystem::path docx = Fixture("sample.docx");
  const ZipEntry whole = ReadZipEntry(docx, "WORD/Document.xml", kMaxWordXmlBytes);
  ASSERT_EQ(whole.status, ZipEntryStatus::Read);
  EXPECT_EQ(ReadZipEntry(docx, "word/document.xml", whole.bytes.size()).status, ZipEntryStatus::Read);
  EXPECT_EQ(ReadZipEntry(docx, "word/document.xml", whole.bytes.size() - 1).status, ZipEntryStatus::TooLarge);
  EXPECT_EQ(ReadZipEntry(docx, "word/styles.xml", kMaxWordXmlBytes).status, ZipEntryStatus::Missing);

  // Its document.xml unpacks to 300,146 bytes but claims 1,000.
  const std::filesystem::path understated = Fixture("bad/understated-size.docx");
  EXPECT_EQ(ReadZipEntry(understated, "word/document.xml", 100000).status, ZipEntryStatus::TooLarge);
  EXPECT_EQ(ExtractDocxText(understated, 100000).failure, ConversionFailure::TooLarge);
  EXPECT_EQ(ReadZipEntry(understated, "word/document.xml", kMaxWordXmlBytes).bytes.size(), 300146u);
}

}  // namespace
}  // namespace lexiglean
