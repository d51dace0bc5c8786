#include "app/main_dialog.h"

#include <gtest/gtest.h>

#include "window/control_ids.h"
#include "support/recording_window.h"

namespace lexiglean {
namespace {

using ::lexiglean::testing::RecordingWindow;
using Events = std::vector<std::string>;

constexpr char kSaveTheData[] =
    "box: Save the Data | If you have collected any data, remember to save them.\\n\\nDo you want to terminate now?";

class MainDialogTest : public ::testing::Test {
 protected:
  MainDialogTest() : dialog(window, {}) {
    dialog.OnInitDialog();
    window.TakeEvents();
  }

  void AddItems(int count) {
    for (int i = 0; i < count; ++i) dialog.wordList().addItem(u"item" + std::u16string(1, char16_t(u'a' + i)), u"", true);
    window.TakeEvents();
  }

  RecordingWindow window;
  MainDialog dialog;
};

TEST(MainDialogInitTest, WithoutBackEndsTheWindowOpensWithTheCueEntryAndUnknownVersion) {
  RecordingWindow window;
  MainDialog dialog(window, {});
  dialog.OnInitDialog();
  EXPECT_EQ(window.TakeEvents(), Events{"status: Word version unknown"});
  ASSERT_EQ(window.ComboEntries().size(), 1u);
  EXPECT_EQ(window.ComboEntries()[0], u"  --  Input Documents List  --   Click to drop-down");
  EXPECT_EQ(window.ComboGetCurSel(), 0);
  EXPECT_FALSE(window.Ended());
  EXPECT_FALSE(window.IsControlEnabled(IDC_REMOVE_DOCUMENT));
  EXPECT_FALSE(window.IsControlEnabled(IDC_EDIT_ITEM));
}

TEST_F(MainDialogTest, ExitWithAnEmptyListAsksNothing) {
  dialog.OnCommand(IDC_EXIT, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(), Events{"end: 2"});
}

TEST_F(MainDialogTest, ExitWithItemsAnsweredNoKeepsEverything) {
  AddItems(2);
  dialog.OnCommand(IDC_EXIT, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(), (Events{kSaveTheData, "answer: no"}));
  EXPECT_FALSE(window.Ended());
  EXPECT_EQ(dialog.wordList().count(), 2);
}

TEST_F(MainDialogTest, EveryWayOutAsksTheSameQuestionAndEndsWithItsCommandId) {
  AddItems(1);
  // Esc, the close box and the Exit button raise 2; Enter without a focused button raises 1.
  // Any notification code counts.
  for (const auto& [id, code] : {std::pair{IDCANCEL, 0}, std::pair{IDOK, 0}, std::pair{IDCANCEL, 1}}) {
    window.QueueAnswer(IDNO);
    dialog.OnCommand(id, code);
    EXPECT_EQ(window.TakeEvents(), (Events{kSaveTheData, "answer: no"})) << id;
  }
  window.QueueAnswer(IDYES);
  dialog.OnCommand(IDOK, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(), (Events{kSaveTheData, "answer: yes", "end: 1"}));
}

TEST_F(MainDialogTest, ButtonsReactOnlyToClicks) {
  AddItems(1);
  dialog.OnCommand(IDC_CLEAR_ALL, 5);
  EXPECT_EQ(dialog.wordList().count(), 1);
  dialog.OnCommand(IDC_CLEAR_ALL, BN_CLICKED);
  EXPECT_EQ(dialog.wordList().count(), 0);
}

TEST_F(MainDialogTest, CheckUncheckAllAndClearAllThroughTheirButtons) {
  AddItems(2);  // added checked, toggle still false
  dialog.OnCommand(IDC_CHECK_UNCHECK_ALL, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(), Events{"status:   2 Items, 2 Checked"});
  dialog.OnCommand(IDC_CHECK_UNCHECK_ALL, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(),
            (Events{"status:   2 Items, 1 Checked", "status:   2 Items, 0 Checked", "status:   2 Items, 0 Checked"}));
  dialog.OnListItemSelected(1);
  dialog.analysisTotal = 40;
  window.TakeEvents();
  dialog.OnCommand(IDC_CLEAR_ALL, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(), (Events{"enabled: 1010 off", "status: "}));  // 1018 was never disabled
  EXPECT_EQ(dialog.analysisTotal, 0);
}

TEST_F(MainDialogTest, ClickingTheCheckBoxOfTheSelectedItemCountsLikeAnyOther) {
  AddItems(2);
  window.UserSelectsRow(0);
  dialog.OnListItemSelected(0);
  EXPECT_EQ(window.TakeEvents(), Events{"enabled: 1010 on"});
  window.UserChecksRow(0, false);
  dialog.OnListItemChecked(0, false);
  EXPECT_EQ(window.TakeEvents(), Events{"status:   2 Items, 1 Checked"});
  EXPECT_EQ(dialog.wordList().checkedCount(), 1);
}

TEST_F(MainDialogTest, RemoveFollowsTheUsersPickInTheDocumentList) {
  window.ComboAddString(u"C:\\Docs\\a.txt");
  window.UserSelectsDocument(1);
  dialog.OnCommand(IDC_DOCUMENT_LIST, CBN_SELCHANGE);
  EXPECT_EQ(window.TakeEvents(), Events{"enabled: 1031 on"});
  window.UserSelectsDocument(0);
  dialog.OnCommand(IDC_DOCUMENT_LIST, BN_CLICKED);  // not a selection change
  EXPECT_EQ(window.TakeEvents(), Events{});
  dialog.OnCommand(IDC_DOCUMENT_LIST, CBN_SELCHANGE);
  EXPECT_EQ(window.TakeEvents(), Events{"enabled: 1031 off"});
}

}  // namespace
}  // namespace lexiglean
