#pragma once
// The fake window of the command tests: the scripted window with its event lines kept in memory.
#include <string>
#include <vector>

#include "ui/script/scripted_window.h"

namespace lexiglean::testing {

class RecordingWindow : public ScriptedWindow {
 public:
  RecordingWindow() : ScriptedWindow([this](const std::string& line) { events.push_back(line); }) {}

  // The events so far, and forgets them.
  std::vector<std::string> TakeEvents() { return std::exchange(events, {}); }

  std::vector<std::string> events;
};

}  // namespace lexiglean::testing
