// Search Phrases end to end on the stand-in recogniser and the stand-in word processor, through the
// fake window.
#include "harvest_test_fixture.h"

namespace lexiglean::testing {
namespace {

using SearchPhrasesTest = HarvestTest;

TEST_F(SearchPhrasesTest, AnEmptyDocumentListSaysSoAndChangesNothing) {
  EXPECT_EQ(Search(), (Events{"box: Error | No docs to collect phrases from.", "answer: ok"}));
}

TEST_F(SearchPhrasesTest, TextWordAndPdfDocumentsGiveEveryUnknownPhraseCheckedInListOrder) {
  AddDocuments({PathText(kData / "phrases" / "worked-lines.txt"), PathText(kData / "documents" / "sample.docx"),
                PathText(kData / "documents" / "sample.pdf")});
  const Events events = Search();
  EXPECT_EQ(events[0], "status: ... searching phrases in worked-lines.txt ...");
  EXPECT_EQ(events[1], "status: ... converting sample.docx ...");
  EXPECT_EQ(events[2], "status: ... searching phrases in sample.docx ...");
  EXPECT_EQ(events[3], "status: ... converting sample.pdf ...");
  EXPECT_EQ(events[4], "status: ... searching phrases in sample.pdf ...");
  const std::vector<std::u16string> written = Written();
  for (const std::u16string phrase : {u"Bank of America", u"The United States", u"Visit New York City", u"He saw Mary",
                                      u"Ann Smith Jones", u"Big Deal", u"R2D2 Unit", u"Bay Inc", u"Cup Race",
                                      u"New\tYork", u"John and Mary"}) {
    EXPECT_NE(std::find(written.begin(), written.end(), phrase), written.end()) << Utf16ToUtf8(phrase);
  }
  EXPECT_TRUE(std::is_sorted(written.begin(), written.end(), WrittenFormSortsBefore));
  const int count = static_cast<int>(written.size());
  EXPECT_EQ(window.StatusText(), u"  " + DecimalText(count) + u" Items, " + DecimalText(count) + u" Checked");
  EXPECT_EQ(dialog_->wordList().checkedCount(), count);
  EXPECT_TRUE(TemporaryFolderIsEmpty());
}

TEST_F(SearchPhrasesTest, UncheckedItemsAreGoneAndCheckedOnesStay) {
  AddDocuments({PathText(kData / "phrases" / "letter.rtf")});
  Search();
  // The font table is searched like any other text.
  ASSERT_EQ(Written(), (std::vector<std::u16string>{u"Meeting with Acme", u"Times New Roman", u"Widgets Limited"}));
  window.UserChecksRow(1, false);
  dialog_->OnListItemChecked(1, false);
  window.UserSelectsDocument(1);
  dialog_->OnCommand(IDC_REMOVE_DOCUMENT, BN_CLICKED);
  const fs::path other = base_ / "other.txt";
  std::ofstream(other) << "Zeta Phrase\n";
  AddDocuments({PathText(other)});
  Search();
  EXPECT_EQ(Written(), (std::vector<std::u16string>{u"Meeting with Acme", u"Widgets Limited", u"Zeta Phrase"}));
  EXPECT_EQ(window.StatusText(), u"  3 Items, 3 Checked");
}

TEST_F(SearchPhrasesTest, NoNewWordsLeavesTheListAsItWas) {
  const fs::path plain = base_ / "plain.txt";
  std::ofstream(plain) << "nothing capitalised here\n";
  AddDocuments({PathText(plain)});
  EXPECT_EQ(Search(), (Events{"status: ... searching phrases in plain.txt ...", "box: Message | no new words",
                              "answer: ok"}));
  EXPECT_TRUE(Written().empty());
}

TEST_F(SearchPhrasesTest, AVanishedFileIsReportedAndTheOthersAreStillSearched) {
  const fs::path gone = base_ / "gone.txt";
  std::ofstream(gone) << "Lost Phrase\n";
  AddDocuments({PathText(gone), PathText(kData / "phrases" / "utf16.txt")});
  fs::remove(gone);
  const Events events = Search();
  EXPECT_EQ(events[1], "box: File open failed | Couldn't open:\\n\\n" + gone.string());
  // UTF-16 text is decoded before the search; its last line has no line end.
  EXPECT_EQ(Written(), (std::vector<std::u16string>{u"Grand Central Station", u"Without End"}));
}

TEST_F(SearchPhrasesTest, AnUpperCaseExtensionIsReadAsTextAndNeverConverted) {
  const fs::path upper = base_ / "report.DOCX";
  fs::copy_file(kData / "documents" / "sample.docx", upper);
  AddDocuments({PathText(upper)});
  const Events events = Search();
  EXPECT_EQ(events[0], "status: ... searching phrases in report.DOCX ...");
  EXPECT_TRUE(fs::exists(upper));
}

TEST_F(SearchPhrasesTest, ADocumentThatCannotBeConvertedIsGivenUpAndNothingIsLeftBehind) {
  const fs::path broken = base_ / "broken.docx";
  fs::copy_file(kData / "documents" / "bad" / "garbage.docx", broken);
  AddDocuments({PathText(broken), PathText(kData / "phrases" / "letter.rtf")});
  const Events events = Search();
  ASSERT_GE(events.size(), 4u);
  EXPECT_EQ(events[0], "status: ... converting broken.docx ...");
  EXPECT_EQ(events[1].rfind("box: AutomateWord Error | ", 0), 0u) << events[1];
  EXPECT_EQ(events[3], "status: ... searching phrases in letter.rtf ...");
  EXPECT_EQ(Written().size(), 3u);
  EXPECT_TRUE(fs::exists(broken));
  EXPECT_FALSE(fs::exists(base_ / "broken.txt"));
  EXPECT_TRUE(TemporaryFolderIsEmpty());
}

TEST_F(SearchPhrasesTest, AConversionJobThatThrowsGivesUpItsDocumentAndTheSearchGoesOn) {
  const fs::path document = kData / "documents" / "sample.docx";
  AddDocuments({PathText(document), PathText(kData / "phrases" / "letter.rtf")});
  setenv("TMPDIR", (base_ / "missing").c_str(), 1);  // the converter's temporary folder cannot be found
  const Events events = Search();
  ASSERT_GE(events.size(), 4u);
  const std::string box = "box: AutomateWord Error | The document could not be converted to text:\\n\\n" +
                          document.string() + "\\n\\n";
  EXPECT_EQ(events[1].rfind(box, 0), 0u) << events[1];
  EXPECT_EQ(events[3], "status: ... searching phrases in letter.rtf ...");
  EXPECT_EQ(Written().size(), 3u);
}

TEST_F(SearchPhrasesTest, AFolderInTheListIsReportedLikeAFileThatCannotBeOpened) {
  fs::create_directories(base_ / "folder.txt");
  AddDocuments({PathText(base_ / "folder.txt"), PathText(kData / "phrases" / "letter.rtf")});
  const Events events = Search();
  EXPECT_EQ(events[1], "box: File open failed | Couldn't open:\\n\\n" + (base_ / "folder.txt").string());
  EXPECT_EQ(Written().size(), 3u);
}

TEST(SearchPhrasesWithoutRecogniserTest, TheMissingAnalyzerIsReportedAndTheWindowStaysOpen) {
  WindowWithoutRecogniser main;
  RecordingWindow& window = main.window;
  main.dialog.OnCommand(IDC_SEARCH_PHRASES, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(), (Events{"status: ... searching phrases in letter.rtf ...",
                                         "box: Error | Error: 0x80004003 - Invalid pointer\\n", "answer: ok"}));
  EXPECT_FALSE(window.Ended());
}

}  // namespace
}  // namespace lexiglean::testing
