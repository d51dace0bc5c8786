#pragma once
// Texts of windows and dialog controls, of any length.
#include <string>

#include "ui/win32/windows_api.h"

namespace lexiglean {

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

inline std::wstring ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

}  // namespace lexiglean
