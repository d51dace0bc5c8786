#pragma once
// Test helper: finding a control anywhere below a window (the system's file dialog object nests its
// controls in the windows of its explorer browser).
#include <string>

#include <windows.h>

namespace lexiglean::testing {

// The first visible window of the class among window's descendants, or nullptr.
inline HWND FindDescendant(HWND window, const wchar_t* className) {
  struct Search {
    const wchar_t* className;
    HWND found = nullptr;
  } search{className};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(data);
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (std::wstring(name) != search.className || !IsWindowVisible(child)) return TRUE;
        search.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace lexiglean::testing
