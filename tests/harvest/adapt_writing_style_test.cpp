// Adapt Writing Style end to end on the stand-in recogniser, through the fake window.
#include "harvest_test_fixture.h"

namespace lexiglean::testing {
namespace {

using AdaptWritingStyleTest = HarvestTest;

const std::string kQuestion =
    "box: WARNING | WARNING:\\n\\nThis function will modify the Language Model.\\n\\nYou have chosen %s documents "
    "to adapt to Writing Style.\\n\\nDo you want to proceed?";

std::string Question(int count) {
  std::string text = kQuestion;
  return text.replace(text.find("%s"), 2, std::to_string(count));
}

std::string ReadModel(const fs::path& profile) {
  std::ifstream file(profile / "tester" / "language-model.tsv", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST_F(AdaptWritingStyleTest, AnEmptyDocumentListSaysSo) {
  EXPECT_EQ(Click(IDC_ADAPT_WRITING_STYLE), (Events{"box: Error | No docs to adapt writing style to.", "answer: ok"}));
}

TEST_F(AdaptWritingStyleTest, OneDocumentIsAskedAboutThenCountedIntoTheModelOnEveryYes) {
  std::ofstream(base_ / "a.txt") << "tea for two";
  AddDocuments({PathText(base_ / "a.txt")});
  EXPECT_EQ(Click(IDC_ADAPT_WRITING_STYLE), (Events{Question(1), "answer: no"}));
  EXPECT_EQ(ReadModel(base_ / "profile"), "");
  for (const std::string counted : {"tea\t1\n", "tea\t2\n"}) {
    window.QueueAnswer(IDYES);
    EXPECT_EQ(Click(IDC_ADAPT_WRITING_STYLE),
              (Events{Question(1), "answer: yes", "box: Language Model Builder | Successfully built LM from 1 document(s).",
                      "answer: ok"}));
    EXPECT_NE(ReadModel(base_ / "profile").find("tea for\t" + counted.substr(4)), std::string::npos);
    EXPECT_NE(ReadModel(base_ / "profile").find(counted), std::string::npos);
  }
}

TEST_F(AdaptWritingStyleTest, ThreeDocumentsOfWhichTwoAreSkippedReportOnlyTheSkipped) {
  std::ofstream(base_ / "a.txt") << "words";
  std::ofstream(base_ / "gone1.txt") << "lost";
  std::ofstream(base_ / "gone2.txt") << "lost";
  AddDocuments({PathText(base_ / "gone1.txt"), PathText(base_ / "a.txt"), PathText(base_ / "gone2.txt")});
  fs::remove(base_ / "gone1.txt");
  fs::remove(base_ / "gone2.txt");
  window.QueueAnswer(IDYES);
  EXPECT_EQ(Click(IDC_ADAPT_WRITING_STYLE),
            (Events{Question(3), "answer: yes",
                    "box: Language Model Builder | 2 document(s) were skipped while building LM.", "answer: ok"}));
}

TEST_F(AdaptWritingStyleTest, APdfIsOfferedLikeAnyOtherDocument) {
  AddDocuments({PathText(kData / "documents" / "sample.pdf")});
  window.QueueAnswer(IDYES);
  EXPECT_EQ(Click(IDC_ADAPT_WRITING_STYLE).at(2),
            "box: Language Model Builder | Successfully built LM from 1 document(s).");
  EXPECT_FALSE(ReadModel(base_ / "profile").empty());
}

TEST(AdaptWritingStyleWithoutRecogniserTest, TheFailureIsShownAndTheWindowStaysOpen) {
  WindowWithoutRecogniser main;
  RecordingWindow& window = main.window;
  window.QueueAnswer(IDYES);
  main.dialog.OnCommand(IDC_ADAPT_WRITING_STYLE, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(), (Events{Question(1), "answer: yes",
                                         "box: Error | Error: 0x80004003 - Invalid pointer\\n", "answer: ok"}));
  EXPECT_FALSE(window.Ended());
}

}  // namespace
}  // namespace lexiglean::testing
