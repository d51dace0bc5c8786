#pragma once
#include "window/window_port.h"
#include "engine/com_error.h"

namespace lexiglean {

// The shared COM error box "Error: 0x%X - %s", without owner: the error's own description, else the
// thread's error object (interface errors) or the system's text for the HRESULT, else "Unknown".
void ReportComError(WindowPort& window, const ComError& error);

}  // namespace lexiglean
