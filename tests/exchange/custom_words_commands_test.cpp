// "&Get Custom Words" and "Put &Custom Words" through the fake window on the stand-in recogniser.
#include <gtest/gtest.h>

#include "exchange/exchange_test_support.h"

namespace lexiglean::testing {
namespace {

using standin::testing::ReadBytes;
using standin::testing::WriteBytes;

constexpr char kResetQuestion[] =
    "box: Warning | WARNING:\\n\\nExecuting this function will reset the entire UI to zero.\\n\\nDo you want to "
    "proceed?";

std::string PutQuestion(int count) {
  return "box: WARNING | WARNING:\\n\\nThis function will modify the Dragon vocabulary.\\n\\nYou have " +
         std::to_string(count) + " new words qualifying to add to the vocabulary.\\n\\nDo you want to proceed?";
}

using CustomWordsCommandsTest = ExchangeTest;

TEST_F(CustomWordsCommandsTest, GetOnAnEmptyListAsksNothingAndSelectsNothingWithoutWordsButFocusesTheList) {
  EXPECT_EQ(Click(IDC_GET_CUSTOM_WORDS), (Events{"status: ", "status:  ... collecting Custom Words ...",
                                                 "status:   0 Items, 0 Checked", "focus: 1008"}));
}

TEST_F(CustomWordsCommandsTest, GetReplacesTheListAfterTheQuestionAndResetsLikeClearAll) {
  WriteBytes(customWordsFile(), "@Version=Plato-UTF8\r\nZorblax\\\\zor blacks\r\nR2D2\\\\r 2 d 2\r\n");
  StartProgram();
  Fill({{u"Old", u"old", false}});
  EXPECT_EQ(Click(IDC_GET_CUSTOM_WORDS), (Events{kResetQuestion, "answer: no"}));
  EXPECT_EQ(Rows(), std::vector<std::string>{"[ ] Old | old | "});

  dialog_->analysisTotal = 12;
  window.QueueAnswer(IDYES);
  EXPECT_EQ(
      Click(IDC_GET_CUSTOM_WORDS),
      (Events{kResetQuestion, "answer: yes", "status: ", "status:  ... collecting Custom Words ...",
              "status:   1 Items, 1 Checked", "status:   2 Items, 1 Checked", "enabled: 1010 on", "focus: 1008"}));
  EXPECT_EQ(Rows(), (std::vector<std::string>{"[ ] R2D2 | r 2 d 2 | x", "[x] Zorblax | zor blacks | "}));
  EXPECT_EQ(window.SelectedRow(), 0);
  EXPECT_EQ(dialog_->analysisTotal, 0);
}

TEST_F(CustomWordsCommandsTest, PutAddsTheNewCheckedPlainItemsOnceAndChangesNoItem) {
  EXPECT_EQ(Click(IDC_PUT_CUSTOM_WORDS),
            (Events{"box: Error | No items selected to add, operation cancelled.", "answer: ok"}));
  Fill({{u"Zorblax", u"zor blacks", true},
        {u"Quibbet", u"", true},
        {u"R2D2", u"r 2 d 2", true},
        {u"cat", u"", true},
        {u"Unchecked", u"", false}});
  const std::vector<std::string> rows = Rows();

  EXPECT_EQ(Click(IDC_PUT_CUSTOM_WORDS), (Events{PutQuestion(2), "answer: no"}));
  EXPECT_FALSE(fs::exists(customWordsFile()));

  window.QueueAnswer(IDYES);
  EXPECT_EQ(Click(IDC_PUT_CUSTOM_WORDS),
            (Events{PutQuestion(2), "answer: yes",
                    "box: Words Added to the vocabulary | 2 words (out of 2) have been added to the vocabulary.",
                    "answer: ok"}));
  EXPECT_EQ(ReadBytes(customWordsFile()), "@Version=Plato-UTF8\r\nQuibbet\\\\\r\nZorblax\\\\zor blacks\r\n");
  EXPECT_EQ(Click(IDC_PUT_CUSTOM_WORDS),
            (Events{"box: No New Words | There are no new words currently available.", "answer: ok"}));
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(dialog_->wordList().checkedCount(), 4);
}

}  // namespace
}  // namespace lexiglean::testing
