#pragma once
// Test helper: runs steps from inside the next modal loop of this thread (a dialog's message loop)
// once its dialog is shown and active, through a thread timer.
#include <functional>

namespace lexiglean::testing {

void RunInNextModalLoop(std::function<void()> steps);

}  // namespace lexiglean::testing
