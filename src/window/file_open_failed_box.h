#pragma once
// The boxes that name a file the program could not open or could not write completely, owned by the
// main window.
#include <string>

#include "window/control_ids.h"
#include "window/window_port.h"
#include "platform/text.h"

namespace lexiglean {

inline void ShowFileOpenFailed(WindowPort& window, const std::u16string& path) {
  window.MessageBox(true, FillPlaceholders(u"Couldn't open:\n\n%s", {path}), u"File open failed", MB_OK);
}

inline void ShowFileWriteFailed(WindowPort& window, const std::u16string& path) {
  window.MessageBox(true, FillPlaceholders(u"Couldn't write:\n\n%s", {path}), u"File write failed", MB_OK);
}

}  // namespace lexiglean
