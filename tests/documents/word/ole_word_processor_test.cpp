// The two jobs against a fake application object graph, and against Wine, where no word processor is
// registered.
#include "documents/word_processor.h"
#include "ui/script/scripted_window.h"

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "documents/word/ole_word_processor.h"
#include "documents/word/word_application.h"
#include "fake_automation_object.h"

namespace lexiglean {
namespace {

using testing::FakeAutomationObject;
using testing::RecordedCall;
using Box = std::pair<std::u16string, std::u16string>;
using Texts = std::vector<std::u16string>;

class OleWordProcessorTest : public ::testing::Test {
 protected:
  OleWordProcessorTest() {
    application.answer(u"Visible");
    application.answer(u"Version", u"15.0");
    application.answer(u"Documents", &documents);
    application.answer(u"Quit");
    documents.answer(u"Open", &document);
    document.answer(u"Tables", &tables);
    document.answer(u"SaveAs2");
    document.answer(u"Close");
    tables.answer(u"Count", 3);
    tables.answer(u"Item", &table);
    table.answer(u"ConvertToText");
    WordMajorVersion = 0;
    ConversionPath = kDocument;
  }
  ~OleWordProcessorTest() override {
    for (const FakeAutomationObject* object : {&application, &documents, &document, &tables, &table}) {
      EXPECT_EQ(object->references(), 1u) << "a reference was not released";
    }
  }

  Texts calls() const {
    Texts names;
    for (const RecordedCall& call : log) names.push_back(call.call + u"(" + Join(call.arguments) + u")");
    return names;
  }
  static std::u16string Join(const Texts& texts) {
    std::u16string joined;
    for (const auto& text : texts) joined += (joined.empty() ? u"" : u", ") + text;
    return joined;
  }
  std::u16string savedPath() const {
    for (const RecordedCall& call : log) {
      if (call.call == u"document.SaveAs2")
        return call.arguments.at(1).substr(1, call.arguments[1].size() - 2);
    }
    return {};
  }

  static constexpr std::u16string_view kDocument = u"C:\\Docs\\Report.docx";
  ScriptedWindow window{[](const std::string&) {}};
  std::vector<RecordedCall> log;
  std::vector<Box> boxes;
  std::ostringstream diagnostics;
  FakeAutomationObject application{u"application", log}, documents{u"documents", log},
      document{u"document", log}, tables{u"tables", log}, table{u"table", log};
  OleWordProcessor processor{
      [this](std::u16string_view text, std::u16string_view caption) { boxes.emplace_back(text, caption); },
      [this](const Automation&, std::u16string_view) {
        application.AddRef();
        return ComRef<IDispatch>(&application);
      },
      diagnostics};
};

TEST_F(OleWordProcessorTest, VersionJobReadsTheMajorVersionAndQuits) {
  EXPECT_EQ(RunWordProcessorJob([&] { return processor.GetWordVersion(window); }), 0);
  EXPECT_EQ(WordMajorVersion, 15);
  EXPECT_EQ(calls(), (Texts{u"application.Visible(0)", u"application.Version()", u"application.Quit()"}));

  application.answer(u"Version", u"16");  // no dot: read whole
  EXPECT_EQ(processor.GetWordVersion(window), 0);
  EXPECT_EQ(WordMajorVersion, 16);
}

TEST_F(OleWordProcessorTest, ConversionTurnsTablesLastFirstAndSavesIntoAFreshTemporaryFile) {
  EXPECT_EQ(RunWordProcessorJob([&] { return processor.AutomateWord(window); }), 0);
  const std::u16string textFile = savedPath();
  EXPECT_EQ(calls(), (Texts{u"application.Visible(0)", u"application.Documents()",
                            u"documents.Open(\"C:\\Docs\\Report.docx\")", u"document.Tables()",
                            u"tables.Count()", u"tables.Item(3)", u"table.ConvertToText(\"\r\n\")",
                            u"tables.Item(2)", u"table.ConvertToText(\"\r\n\")", u"tables.Item(1)",
                            u"table.ConvertToText(\"\r\n\")", u"document.SaveAs2(2, \"" + textFile + u"\")",
                            u"document.Close()", u"application.Quit()"}));
  EXPECT_EQ(diagnostics.str(),
            "Table count: 3\nTable converted index: 3\nTable converted index: 2\n"
            "Table converted index: 1\n");
  EXPECT_EQ(ConversionPath, textFile);
  EXPECT_EQ(std::filesystem::path(textFile).parent_path(),
            (std::filesystem::temp_directory_path() / "").parent_path());
  EXPECT_EQ(std::filesystem::path(textFile).extension(), ".txt");
  EXPECT_TRUE(std::filesystem::exists(textFile));

  ConversionPath = kDocument;
  tables.answer(u"Count", 0);
  diagnostics.str("");
  EXPECT_EQ(processor.AutomateWord(window), 0);
  EXPECT_EQ(diagnostics.str(), "Table count: 0\n");
  EXPECT_NE(ConversionPath, textFile) << "every conversion gets a file of its own";
  std::filesystem::remove(textFile);
  std::filesystem::remove(ConversionPath);
}

TEST_F(OleWordProcessorTest, FailedCallShowsItsBoxQuitsWithoutSavingAndGivesTheDocumentUp) {
  table.failInvoke(u"ConvertToText", E_FAIL);
  EXPECT_EQ(RunWordProcessorJob([&] { return processor.AutomateWord(window); }), kWordJobGaveUp);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].second, u"AutoWrap Error 3");
  EXPECT_EQ(calls().back(), u"application.Quit(0)");
  EXPECT_EQ(diagnostics.str(), "Table count: 3\n");
  EXPECT_EQ(ConversionPath, kDocument);
}

TEST_F(OleWordProcessorTest, FailureAfterSavingDeletesTheTextFileAndAFailingQuitShowsNoSecondBox) {
  document.failInvoke(u"Close", E_FAIL);
  application.failInvoke(u"Quit", E_FAIL);
  EXPECT_EQ(processor.AutomateWord(window), kWordJobGaveUp);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(ConversionPath, kDocument);
  EXPECT_FALSE(savedPath().empty());
  EXPECT_FALSE(std::filesystem::exists(savedPath()));
}

TEST_F(OleWordProcessorTest, MissingObjectShowsTheFirstBox) {
  application.answer(u"Documents");  // answers nothing
  EXPECT_EQ(processor.AutomateWord(window), kWordJobGaveUp);
  EXPECT_EQ(boxes, (std::vector<Box>{{u"NULL IDispatch passed to AutoWrap()", u"AutoWrap Error 1"}}));
  EXPECT_EQ(processor.GetWordVersion(window), 0) << "the version job does not need the documents";
}

TEST(OleWordProcessorUnderWine, WithoutTheWordProcessorBothJobsShowOneBoxAndEndWithOne) {
  CLSID classId{};
  if (SUCCEEDED(CLSIDFromProgID(L"Word.Application", &classId)))
    GTEST_SKIP() << "a word processor is registered";
  ScriptedWindow window{[](const std::string&) {}};
  std::vector<Box> boxes;
  std::ostringstream diagnostics;
  OleWordProcessor processor(
      [&](std::u16string_view text, std::u16string_view caption) { boxes.emplace_back(text, caption); },
      LaunchWordApplication, diagnostics);
  WordMajorVersion = 0;
  ConversionPath = u"C:\\Docs\\Report.docx";
  EXPECT_EQ(RunWordProcessorJob([&] { return processor.GetWordVersion(window); }), kWordJobMissing);
  EXPECT_EQ(RunWordProcessorJob([&] { return processor.AutomateWord(window); }), kWordJobMissing);
  const std::u16string text = u"CLSIDFromProgID(\"Word.Application\") failed w/err 0x800401f3\n";
  EXPECT_EQ(boxes, (std::vector<Box>{{text, u"GetWordVersion Error"}, {text, u"AutomateWord Error"}}));
  EXPECT_EQ(WordVersionStatusText(WordMajorVersion), u"Word version unknown");
  EXPECT_EQ(ConversionPath, u"C:\\Docs\\Report.docx");
  EXPECT_TRUE(diagnostics.str().empty());
}

}  // namespace
}  // namespace lexiglean
