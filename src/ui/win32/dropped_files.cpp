#include "ui/win32/dropped_files.h"

#include <memory>
#include <type_traits>

#include "ui/win32/wide_text.h"

namespace lexiglean {
namespace {

struct DropReleaser {
  void operator()(HDROP drop) const { DragFinish(drop); }
};

}  // namespace

std::vector<std::u16string> TakeDroppedPaths(HDROP drop) {
  const std::unique_ptr<std::remove_pointer_t<HDROP>, DropReleaser> held(drop);
  std::vector<std::u16string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // The length first, then the path: no path is too long for its buffer.
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(static_cast<std::size_t>(length) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
    if (!path.empty()) paths.push_back(FromWide(path));
  }
  return paths;
}

}  // namespace lexiglean
