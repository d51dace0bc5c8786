#include "modal_steps.h"

#include <map>
#include <utility>

#include <windows.h>

namespace lexiglean::testing {
namespace {

std::map<UINT_PTR, std::function<void()>>& PendingSteps() {
  static std::map<UINT_PTR, std::function<void()>> pending;
  return pending;
}

void CALLBACK RunPendingSteps(HWND, UINT, UINT_PTR timer, DWORD) {
  // A dialog shows itself once its loop finds no message waiting: until then the timer stays.
  HWND active = GetActiveWindow();
  if (active == nullptr || !IsWindowVisible(active) || !IsWindowEnabled(active)) return;
  KillTimer(nullptr, timer);
  const auto found = PendingSteps().find(timer);
  if (found == PendingSteps().end()) return;
  const std::function<void()> steps = std::move(found->second);
  PendingSteps().erase(found);
  steps();
}

}  // namespace

void RunInNextModalLoop(std::function<void()> steps) {
  PendingSteps()[SetTimer(nullptr, 0, 10, RunPendingSteps)] = std::move(steps);
}

}  // namespace lexiglean::testing
