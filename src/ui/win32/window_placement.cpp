#include "ui/win32/window_placement.h"

namespace lexiglean {
namespace {

SIZE SizeOf(const RECT& rect) { return {rect.right - rect.left, rect.bottom - rect.top}; }

RECT WorkAreaOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  return info.rcWork;
}

}  // namespace

POINT KeptInside(POINT topLeft, SIZE size, const RECT& workArea) {
  if (topLeft.x + size.cx > workArea.right) topLeft.x = workArea.right - size.cx;
  if (topLeft.y + size.cy > workArea.bottom) topLeft.y = workArea.bottom - size.cy;
  if (topLeft.x < workArea.left) topLeft.x = workArea.left;
  if (topLeft.y < workArea.top) topLeft.y = workArea.top;
  return topLeft;
}

POINT CenteredOver(SIZE size, const RECT& area, const RECT& workArea) {
  const SIZE areaSize = SizeOf(area);
  const POINT centred{area.left + (areaSize.cx - size.cx) / 2, area.top + (areaSize.cy - size.cy) / 2};
  return KeptInside(centred, size, workArea);
}

void CenterOverOwnerOrMonitor(HWND window) {
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  HWND owner = GetWindow(window, GW_OWNER);
  const bool overOwner = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
  const RECT workArea = WorkAreaOf(MonitorFromWindow(overOwner ? owner : window, MONITOR_DEFAULTTONEAREST));
  RECT area = workArea;
  if (overOwner) GetWindowRect(owner, &area);
  const POINT topLeft = CenteredOver(SizeOf(windowRect), area, workArea);
  SetWindowPos(window, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceBelowOwner(HWND dialog) {
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (owner == nullptr) return;
  RECT ownerRect{};
  RECT dialogRect{};
  GetWindowRect(owner, &ownerRect);
  GetWindowRect(dialog, &dialogRect);
  const SIZE size = SizeOf(dialogRect);
  const POINT wanted{ownerRect.left, ownerRect.bottom + 8};
  const RECT wantedRect{wanted.x, wanted.y, wanted.x + size.cx, wanted.y + size.cy};
  const POINT topLeft = KeptInside(wanted, size, WorkAreaOf(MonitorFromRect(&wantedRect, MONITOR_DEFAULTTONEAREST)));
  SetWindowPos(dialog, HWND_TOP, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE);
}

}  // namespace lexiglean
