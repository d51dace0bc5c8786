#pragma once
// The files and folders dropped on a window (WM_DROPFILES).
#include <string>
#include <vector>

#include "ui/win32/windows_api.h"

namespace lexiglean {

// The dropped paths in the drop's order; the drop is released.
std::vector<std::u16string> TakeDroppedPaths(HDROP drop);

}  // namespace lexiglean
