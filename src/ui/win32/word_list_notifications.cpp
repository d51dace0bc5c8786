#include "ui/win32/word_list_notifications.h"

namespace lexiglean {
namespace {

// State image 1 is a cleared check box, 2 a set one, 0 none yet.
UINT CheckImage(UINT state) { return (state & LVIS_STATEIMAGEMASK) >> 12; }

}  // namespace

std::optional<WordListRowChange> ReadRowChange(const NMLISTVIEW& change) {
  if ((change.uChanged & LVIF_STATE) == 0 || change.iItem < 0) return std::nullopt;
  WordListRowChange row;
  row.selected = (change.uNewState & LVIS_SELECTED) != 0;
  const UINT before = CheckImage(change.uOldState);
  const UINT after = CheckImage(change.uNewState);
  if (before == 1 && after == 2) row.checked = true;
  if (before == 2 && after == 1) row.checked = false;
  return row;
}

LRESULT DrawWordListRow(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      if (draw.iSubItem == kMarkerColumn) draw.clrText = kMarkerColour;
      return CDRF_DODEFAULT;
    default: return CDRF_DODEFAULT;
  }
}

}  // namespace lexiglean
