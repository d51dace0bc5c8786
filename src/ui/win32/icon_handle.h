#pragma once
// An icon loaded from the program's resources, destroyed with its owner.
#include <memory>
#include <type_traits>

#include "ui/win32/windows_api.h"

namespace lexiglean {

struct IconDestroyer {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

// The icon resource at the size the system uses for the metrics given (SM_CXICON or SM_CXSMICON);
// empty when it cannot be loaded.
inline IconHandle LoadProgramIcon(HINSTANCE instance, int resourceId, int widthMetric, int heightMetric) {
  return IconHandle(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                                  GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0)));
}

}  // namespace lexiglean
