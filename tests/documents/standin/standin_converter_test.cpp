// The stand-in converter on the fixtures: good documents of each kind, and bad ones.
#include "documents/standin/standin_converter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "documents/standin/docx_reader.h"
#include "documents/standin/office_location.h"
#include "platform/text.h"
#include "standin_test_support.h"

namespace lexiglean {
namespace {

using standin_test::FileBytes;
using standin_test::Fixture;
using standin_test::Scratch;

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// Every line ended by CR LF, and no other line end or page break.
void ExpectCrLfLinesOnly(const std::string& text) {
  std::string rest = text;
  for (std::size_t at; (at = rest.find("\r\n")) != std::string::npos;) rest.erase(at, 2);
  EXPECT_EQ(rest.find_first_of("\r\n\f"), std::string::npos);
  EXPECT_TRUE(text.ends_with("\r\n"));
}

class StandinConverterTest : public testing::Test {
 protected:
  std::string Convert(const std::filesystem::path& document) {
    const ConversionResult result = ConvertDocumentToText(document, textFile_);
    EXPECT_TRUE(result.succeeded()) << Utf16ToUtf8(result.message);
    EXPECT_TRUE(result.message.empty());
    EXPECT_TRUE(scratch_.TempIsEmpty());
    return FileBytes(textFile_);
  }

  Scratch scratch_;
  std::filesystem::path textFile_ = scratch_.work() / "out.txt";
};

TEST_F(StandinConverterTest, DocxGivesParagraphsAndEveryTableCellOnLinesOfTheirOwn) {
  if (!DocxReaderAvailable()) GTEST_SKIP() << "no .docx reader in this build";
  const std::string text = Convert(Fixture("sample.docx"));
  EXPECT_EQ(text, FileBytes(Fixture("sample.txt")));
  const std::vector<std::string> lines = CrLfLines(text);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[2], "City");
  EXPECT_EQ(lines[3], "Café");
  EXPECT_EQ(lines[8], "Crème Brûlée");  // a cell's two paragraphs
  EXPECT_EQ(lines[9], "Señor Núñez");
  ExpectCrLfLinesOnly(text);
}

TEST_F(StandinConverterTest, DocxLeavesOutDeletedTextAndFieldCodesAndKeepsInsertions) {
  if (!DocxReaderAvailable()) GTEST_SKIP() << "no .docx reader in this build";
  const std::string text = Convert(Fixture("revisions.docx"));
  EXPECT_EQ(text, FileBytes(Fixture("revisions.txt")));
  for (const char* absent : {"Deleted", "Gone", "Moved Away", "MERGEFORMAT", "PAGE"}) {
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  }
  EXPECT_NE(text.find("Kept Inserted Words end.\r\n"), std::string::npos);
  EXPECT_NE(text.find("Name\tGröße\r\nSecond Line\r\nThird Line\r\n"), std::string::npos);
  EXPECT_NE(text.find("Outer Cell\r\nInner Café\r\n\r\nInner Last\r\n"), std::string::npos);  // nested table
  EXPECT_EQ(text.find("Box Text"), text.rfind("Box Text"));  // the text box's fallback copy left out
}

TEST_F(StandinConverterTest, WordNamesInAnyCaseAreReadByWhatTheFileHolds) {
  if (!DocxReaderAvailable()) GTEST_SKIP() << "no .docx reader in this build";
  for (const char* name : {"UPPER.DOCX", "package-saved-as.doc"}) {
    const std::filesystem::path copy = scratch_.work() / name;
    std::filesystem::copy_file(Fixture("sample.docx"), copy);
    EXPECT_EQ(Convert(copy), FileBytes(Fixture("sample.txt"))) << name;
  }
}

TEST_F(StandinConverterTest, PdfKeepsEveryWordAndLettersBeyondAscii) {
  if (!AvailableStandinBackends().pdf) GTEST_SKIP() << "no PDF reader in this build";
  const std::string text = Convert(Fixture("sample.pdf"));
  // The layout puts a table row's cells side by side; each cell's text is still there.
  for (const std::string& line : CrLfLines(FileBytes(Fixture("sample.txt")))) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  ExpectCrLfLinesOnly(text);
}

TEST(StandinConverterDocTest, DocGoesThroughLibreOfficeAndWritesNothingBesideIt) {
  if (!FindOfficeExecutable()) GTEST_SKIP() << "LibreOffice is not installed";
  Scratch scratch("temp with blank and ü");  // the profile's URL must survive odd folder names
  const std::filesystem::path document = scratch.work() / "-odd name ü #1.doc";
  std::filesystem::copy_file(Fixture("sample.doc"), document);
  const std::filesystem::path textFolder = scratch.work() / "text";
  std::filesystem::create_directory(textFolder);

  const ConversionResult result = ConvertDocumentToText(document, textFolder / "out.txt");
  ASSERT_TRUE(result.succeeded()) << Utf16ToUtf8(result.message);
  EXPECT_EQ(FileBytes(textFolder / "out.txt"), FileBytes(Fixture("sample.txt")));
  EXPECT_TRUE(scratch.TempIsEmpty());
  std::vector<std::string> besideDocument;
  for (const auto& entry : std::filesystem::directory_iterator(scratch.work())) {
    besideDocument.push_back(entry.path().filename().string());
  }
  std::sort(besideDocument.begin(), besideDocument.end());
  EXPECT_EQ(besideDocument, (std::vector<std::string>{"-odd name ü #1.doc", "text"}));
}

struct BadDocument {
  const char* name;
  ConversionFailure failure;
};

TEST_F(StandinConverterTest, BadDocumentsEndInAClearMessageAndLeaveNoFileBehind) {
  const StandinBackends backends = AvailableStandinBackends();
  if (!backends.docx || !backends.pdf) GTEST_SKIP() << "a reader is missing in this build";
  const BadDocument cases[] = {
      {"bad/empty.docx", ConversionFailure::Empty},
      {"bad/empty.doc", ConversionFailure::Empty},
      {"bad/empty.pdf", ConversionFailure::Empty},
      {"bad/truncated.docx", ConversionFailure::NotWordDocument},
      {"bad/truncated.doc", ConversionFailure::OfficeRejected},
      {"bad/truncated.pdf", ConversionFailure::NotPdfDocument},
      {"bad/garbage.docx", ConversionFailure::NotWordDocument},
      {"bad/garbage.doc", ConversionFailure::NotWordDocument},
      {"bad/garbage.pdf", ConversionFailure::NotPdfDocument},
      {"bad/compound-garbage.doc", ConversionFailure::OfficeRejected},
      {"bad/locked.pdf", ConversionFailure::PasswordProtected},
      {"bad/rtf-inside.docx", ConversionFailure::RtfUnderWordName},
      {"bad/text-inside.docx", ConversionFailure::TextUnderWordName},
      {"bad/missing.docx", ConversionFailure::Unreadable},
      {"bad", ConversionFailure::UnsupportedKind},
      {"make-fixtures.sh", ConversionFailure::UnsupportedKind},
  };
  for (const BadDocument& bad : cases) {
    ConversionFailure expected = bad.failure;
    if (expected == ConversionFailure::OfficeRejected && !backends.doc) expected = ConversionFailure::OfficeMissing;
    const std::filesystem::path document = Fixture(bad.name);
    const ConversionResult result = ConvertDocumentToText(document, textFile_);
    EXPECT_EQ(result.failure, expected) << bad.name;
    EXPECT_NE(result.message.find(Utf8ToUtf16(document.string())), std::u16string::npos) << bad.name;
    EXPECT_FALSE(std::filesystem::exists(textFile_)) << bad.name;
    EXPECT_TRUE(scratch_.TempIsEmpty()) << bad.name;
  }
}

TEST_F(StandinConverterTest, AnUnwritableTextFileIsReportedByItsPath) {
  if (!DocxReaderAvailable()) GTEST_SKIP() << "no .docx reader in this build";
  const std::filesystem::path unwritable = scratch_.work() / "no such folder" / "out.txt";
  const ConversionResult result = ConvertDocumentToText(Fixture("sample.docx"), unwritable);
  EXPECT_EQ(result.failure, ConversionFailure::TextNotWritten);
  EXPECT_NE(result.message.find(Utf8ToUtf16(unwritable.string())), std::u16string::npos);
}

TEST(StandinVersionTest, PdfsAreAcceptedExactlyWhenThePdfReaderIsThere) {
  struct Case {
    StandinBackends backends;
    std::optional<std::string> version;
  };
  const Case cases[] = {
      {{true, true, true}, "16.0"},   {{true, true, false}, "15.0"}, {{false, true, true}, "15.0"},
      {{false, true, false}, "15.0"}, {{true, false, true}, "12.0"}, {{true, false, false}, "12.0"},
      {{false, false, true}, "12.0"}, {{false, false, false}, std::nullopt},
  };
  for (const Case& c : cases) {
    std::ostringstream name;
    name << "docx " << c.backends.docx << " pdf " << c.backends.pdf << " doc " << c.backends.doc;
    EXPECT_EQ(WordProcessorVersionFor(c.backends), c.version) << name.str();
  }
}

}  // namespace
}  // namespace lexiglean
