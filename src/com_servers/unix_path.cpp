#include "com_servers/unix_path.h"

#include <windows.h>

#include "documents/word/wide_text.h"

namespace lexiglean {

std::optional<std::string> UnixPathOf(const std::u16string& windowsPath) {
  // Exported by Wine's kernel32 only; the result comes from the process heap.
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "wine_get_unix_file_name")));
  if (toUnix == nullptr) return std::nullopt;
  char* unixPath = toUnix(ToWide(windowsPath).c_str());
  if (unixPath == nullptr) return std::nullopt;
  std::string path(unixPath);
  HeapFree(GetProcessHeap(), 0, unixPath);
  return path;
}

}  // namespace lexiglean
