// Search Words end to end on the stand-in recogniser, through the fake window.
#include "harvest_test_fixture.h"

namespace lexiglean::testing {
namespace {

class SearchWordsTest : public HarvestTest {
 protected:
  fs::path Text(const std::string& name, const std::string& text) {
    std::ofstream(base_ / name) << text;
    return base_ / name;
  }
  void RemoveAllDocuments() {
    while (window.ComboGetCount() > 1) {
      window.UserSelectsDocument(1);
      dialog_->OnCommand(IDC_REMOVE_DOCUMENT, BN_CLICKED);
    }
    window.TakeEvents();
  }
  void UserChecks(int row, bool checked) {
    window.UserChecksRow(row, checked);
    dialog_->OnListItemChecked(row, checked);
  }
  Events SearchWords() { return Click(IDC_SEARCH_WORDS); }
};

const std::string kPdfBox = "box: Error | You have selected a PDF file. This format cannot be used to search for words.";

TEST_F(SearchWordsTest, AnEmptyDocumentListSaysSo) {
  EXPECT_EQ(SearchWords(), (Events{"box: Error | No docs to collect words from.", "answer: ok"}));
}

TEST_F(SearchWordsTest, EveryDocumentButALowerCasePdfIsAnalysedAndItsUnknownWordsComeChecked) {
  const fs::path upper = base_ / "upper.PDF";
  fs::copy_file(kData / "documents" / "sample.pdf", upper);
  AddDocuments({PathText(Text("a.txt", "the Zebra team quokka")), PathText(kData / "documents" / "sample.pdf"),
                PathText(upper), PathText(kData / "phrases" / "letter.rtf")});
  EXPECT_EQ(SearchWords(), (Events{"status: Analyzing \"a.txt\" document...", kPdfBox, "answer: ok",
                                   "status: Analyzing \"upper.PDF\" document...",
                                   "status: Analyzing \"letter.rtf\" document..."}));
  const std::vector<std::u16string> written = Written();
  for (const std::u16string word : {u"Zebra", u"quokka", u"Acme", u"Widgets"}) {
    EXPECT_NE(std::find(written.begin(), written.end(), word), written.end()) << Utf16ToUtf8(word);
  }
  EXPECT_EQ(std::find(written.begin(), written.end(), u"team"), written.end());
  const std::u16string count = DecimalText(static_cast<std::int64_t>(written.size()));
  EXPECT_EQ(window.StatusText(), u"  " + count + u" Items, " + count + u" Checked");
  EXPECT_GT(dialog_->analysisTotal, 4);
}

TEST_F(SearchWordsTest, APdfOnlyRunAfterAnEarlierOneRebuildsFromTheCheckedItemsUntilClearAll) {
  AddDocuments({PathText(Text("a.txt", "Zebra quokka wombat"))});
  SearchWords();
  ASSERT_EQ(Written(), (std::vector<std::u16string>{u"quokka", u"wombat", u"Zebra"}));
  UserChecks(1, false);
  RemoveAllDocuments();
  AddDocuments({PathText(kData / "documents" / "sample.pdf")});
  EXPECT_EQ(SearchWords(), (Events{kPdfBox, "answer: ok"}));
  EXPECT_EQ(Written(), (std::vector<std::u16string>{u"quokka", u"Zebra"}));  // the unchecked item is gone
  EXPECT_EQ(window.StatusText(), u"  2 Items, 2 Checked");
  Click(IDC_CLEAR_ALL);
  EXPECT_EQ(SearchWords(),
            (Events{kPdfBox, "answer: ok", "status: No suitable files found to analyse, maybe only PDF?"}));
}

TEST_F(SearchWordsTest, NothingNewLeavesTheListItsCountsAndChecksAsTheyWere) {
  AddDocuments({PathText(Text("a.txt", "Zebra quokka"))});
  SearchWords();
  UserChecks(0, false);
  UserChecks(1, false);
  RemoveAllDocuments();
  AddDocuments({PathText(Text("b.txt", "the team"))});
  EXPECT_EQ(SearchWords(), (Events{"status: Analyzing \"b.txt\" document...", "status: No new words found"}));
  ASSERT_EQ(window.Rows().size(), 2u);
  EXPECT_FALSE(window.Rows().checked(0) || window.Rows().checked(1));
  EXPECT_EQ(dialog_->wordList().checkedCount(), 0);
}

TEST_F(SearchWordsTest, ADocumentThatFailsIsReportedAndTheNextIsStillAnalysed) {
  const fs::path gone = Text("gone.txt", "Lost");
  AddDocuments({PathText(gone), PathText(Text("b.txt", "Found"))});
  fs::remove(gone);
  const Events events = SearchWords();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[1].rfind("box: Error | Error: 0x", 0), 0u) << events[1];
  EXPECT_EQ(events[3], "status: Analyzing \"b.txt\" document...");
  EXPECT_EQ(Written(), (std::vector<std::u16string>{u"Found"}));
}

TEST_F(SearchWordsTest, CapSensitiveComparesLetterCaseExactly) {
  AddDocuments({PathText(Text("a.txt", "The TEAM"))});
  EXPECT_EQ(SearchWords().back(), "status: No new words found");
  window.capSensitive = true;
  SearchWords();
  EXPECT_EQ(Written(), (std::vector<std::u16string>{u"TEAM", u"The"}));
}

}  // namespace
}  // namespace lexiglean::testing
