// Entry of lexiglean.exe: one copy at a time, COM for the user-interface thread, the recogniser over
// COM and the word processor over OLE automation, the main window run modally, and everything taken
// down again. The exit code is 0 on every path.
#include "app/main_dialog.h"
#include "documents/word/ole_word_processor.h"
#include "engine/dragon/dragon_recogniser.h"
#include "platform/single_instance.h"

#include "ui/win32/win32_window.h"

#include <objbase.h>

namespace lexiglean {
namespace {

// COM initialised for this thread (apartment model) while the object lives.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  bool Initialised() const { return initialised_; }

 private:
  bool initialised_;
};

int RunProgram(HINSTANCE instance) {
  const SingleInstanceGuard guard;
  if (guard.AlreadyRunning()) return 0;
  const ComApartment com;
  if (!com.Initialised()) {
    MessageBoxW(nullptr, L"OLE initialization failed.", nullptr, MB_OK);
    return 0;
  }
  // Destroyed in reverse order: window logic, window, back-ends (releasing their COM objects while
  // COM is still up), then COM, then the guard.
  dragon::DragonRecogniser recogniser;
  OleWordProcessor wordProcessor;
  Win32Window window(instance);
  MainDialog dialog(window, {&recogniser, &wordProcessor});
  window.Run(dialog, GetActiveWindow());
  return 0;
}

}  // namespace
}  // namespace lexiglean

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  try {
    return lexiglean::RunProgram(instance);
  } catch (...) {
    // Setting up failed before the window could show anything; end like every other path.
    return 0;
  }
}
