#pragma once
#include <functional>

#include "window/window_port.h"
#include "engine/com_error.h"

namespace lexiglean {

// The shared COM error box "Error: 0x%X - %s", without owner: the error's own description, else the
// thread's error object (interface errors) or the system's text for the HRESULT, else "Unknown".
void ReportComError(WindowPort& window, const ComError& error);

// Runs an action and shows whatever it throws in that box: a ComError as it is, running out of
// memory as E_OUTOFMEMORY, any other exception as E_FAIL with its text. Nothing escapes, not even a
// failure of the box itself. Returns true when the action ran to its end.
bool RunReportingErrors(WindowPort& window, const std::function<void()>& action);

}  // namespace lexiglean
