#pragma once
// What the word list control's notifications mean for the program logic.
#include <optional>

#include "ui/win32/windows_api.h"

namespace lexiglean {

// The user's change of one row, read from an LVN_ITEMCHANGED notification.
struct WordListRowChange {
  bool selected = false;         // the row is selected now
  std::optional<bool> checked;   // its check box went from cleared to set (true) or back (false)
};

// Nothing when the row's state is not among the changed attributes. A row that receives its first
// check box (state image 0 to 1) has not changed its check.
std::optional<WordListRowChange> ReadRowChange(const NMLISTVIEW& change);

// The answer to NM_CUSTOMDRAW: item and column notifications, and the marker column (the third) in
// red; every other column keeps the default colours.
LRESULT DrawWordListRow(NMLVCUSTOMDRAW& draw);

inline constexpr int kMarkerColumn = 2;
inline constexpr COLORREF kMarkerColour = RGB(255, 0, 0);

}  // namespace lexiglean
