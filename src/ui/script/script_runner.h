#pragma once
// lexiglean-script: drives the main window with a script instead of a person. One command per line,
// '#' comments, blank-separated arguments, double quotes for arguments with blanks (\t \n \\ \"
// escapes inside them).
#include <functional>
#include <string>
#include <string_view>

#include "app/main_dialog.h"

namespace lexiglean {

struct ScriptOutput {
  std::function<void(const std::string&)> event;  // one event line, without line end
  std::function<void(const std::string&)> error;  // one diagnostic line for standard error
};

// Runs the script against a new main window. Returns the exit status: 0 when the script ran to its
// end or the exit command ended the run, 1 when the program ended the run by itself, 2 for a
// malformed script (the diagnostic names the line).
int RunScript(std::string_view script, MainDialogServices services, const ScriptOutput& output);

}  // namespace lexiglean
