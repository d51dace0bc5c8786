#pragma once
// Where the program's windows open: the main window centred over its owner or its monitor, the item
// dialogs just below their owner; always kept inside a monitor's work area.
#include "ui/win32/windows_api.h"

namespace lexiglean {

// The top-left corner that moves a window of this size into the work area: left or up when it sticks
// out past the right or bottom edge, then right or down when it sticks out past the left or top edge.
POINT KeptInside(POINT topLeft, SIZE size, const RECT& workArea);

// The top-left corner of a window of this size centred over area and kept inside workArea.
POINT CenteredOver(SIZE size, const RECT& area, const RECT& workArea);

// Centres the window over its owner when the owner is visible and not minimised, otherwise over the
// work area of the monitor nearest to it; the work area of the monitor nearest to the owner (or to
// the window itself) bounds the result. Only the position changes.
void CenterOverOwnerOrMonitor(HWND window);

// Moves the dialog to its owner's left edge, 8 pixels below the owner's bottom edge, and to the top
// of the window order; kept inside the work area of the monitor there, so that it stays reachable.
void PlaceBelowOwner(HWND dialog);

}  // namespace lexiglean
