// The guard on Windows: a named mutex created with initial ownership, released and closed at the end.
#include "platform/single_instance.h"

#include <windows.h>

namespace lexiglean {

struct SingleInstanceGuard::Handle {
  HANDLE mutex = nullptr;
  bool owned = false;
  ~Handle() {
    if (mutex == nullptr) return;
    if (owned) ReleaseMutex(mutex);
    CloseHandle(mutex);
  }
};

SingleInstanceGuard::SingleInstanceGuard(const std::u16string& name) : handle_(std::make_unique<Handle>()) {
  const std::wstring wideName(name.begin(), name.end());
  handle_->mutex = CreateMutexW(nullptr, TRUE, wideName.c_str());
  alreadyRunning_ = GetLastError() == ERROR_ALREADY_EXISTS;
  handle_->owned = handle_->mutex != nullptr && !alreadyRunning_;
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

}  // namespace lexiglean
