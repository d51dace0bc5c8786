// Opens the program named by LEXIGLEAN_PROGRAM_EXE, lets run-smoke-test.sh photograph its main window
// as main-job.png, and closes it with "E&xit". Exit status 0 when the window opened and the program
// ended with exit code 0.
#include "window/control_ids.h"

#include <cstdio>
#include <optional>

#include "driven_program.h"

int main() {
  using namespace lexiglean;
  const testing::Program program(testing::EnvironmentPath("LEXIGLEAN_PROGRAM_EXE"));
  HWND window = program.Started() ? program.WaitForMainWindow() : nullptr;
  if (window == nullptr) {
    std::puts("the main window did not open");
    return 1;
  }
  testing::OfferScreenshot(window, "main-job");
  PostMessageW(GetDlgItem(window, IDC_EXIT), BM_CLICK, 0, 0);
  if (program.WaitForEnd() != std::optional<DWORD>(0)) {
    std::puts("the program did not end with exit code 0 after E&xit");
    return 1;
  }
  return 0;
}
