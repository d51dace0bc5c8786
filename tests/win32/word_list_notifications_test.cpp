// How the word list's notifications are read and answered.
#include <gtest/gtest.h>

#include "ui/win32/word_list_notifications.h"

namespace lexiglean {
namespace {

NMLISTVIEW StateChange(UINT oldState, UINT newState, UINT changed = LVIF_STATE) {
  NMLISTVIEW change{};
  change.iItem = 3;
  change.uChanged = changed;
  change.uOldState = oldState;
  change.uNewState = newState;
  return change;
}

TEST(WordListNotificationsTest, CheckBoxChangesAreReadFromTheStateImages) {
  EXPECT_EQ(ReadRowChange(StateChange(INDEXTOSTATEIMAGEMASK(1), INDEXTOSTATEIMAGEMASK(2)))->checked, true);
  EXPECT_EQ(ReadRowChange(StateChange(INDEXTOSTATEIMAGEMASK(2), INDEXTOSTATEIMAGEMASK(1)))->checked, false);
  // A new row receiving its first, cleared box has not changed its check.
  EXPECT_FALSE(ReadRowChange(StateChange(0, INDEXTOSTATEIMAGEMASK(1)))->checked.has_value());
  EXPECT_FALSE(ReadRowChange(StateChange(INDEXTOSTATEIMAGEMASK(2), INDEXTOSTATEIMAGEMASK(2) | LVIS_SELECTED))->checked);
  // Only changes of the row's state count.
  EXPECT_FALSE(ReadRowChange(StateChange(0, LVIS_SELECTED, LVIF_TEXT)).has_value());
}

TEST(WordListNotificationsTest, CustomDrawAsksForEveryColumnAndPaintsOnlyTheMarkerRed) {
  NMLVCUSTOMDRAW draw{};
  draw.clrText = RGB(1, 2, 3);
  draw.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(DrawWordListRow(draw), CDRF_NOTIFYITEMDRAW);
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
  EXPECT_EQ(DrawWordListRow(draw), CDRF_NOTIFYSUBITEMDRAW);
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
  for (int column : {0, 1}) {
    draw.iSubItem = column;
    EXPECT_EQ(DrawWordListRow(draw), CDRF_DODEFAULT);
    EXPECT_EQ(draw.clrText, RGB(1, 2, 3)) << "column " << column;
  }
  draw.iSubItem = 2;
  EXPECT_EQ(DrawWordListRow(draw), CDRF_DODEFAULT);
  EXPECT_EQ(draw.clrText, RGB(255, 0, 0));
  draw.nmcd.dwDrawStage = CDDS_POSTPAINT;
  EXPECT_EQ(DrawWordListRow(draw), CDRF_DODEFAULT);
}

}  // namespace
}  // namespace lexiglean
