#include "com_servers/wine_paths.h"

#include <windows.h>

#include "documents/word/wide_text.h"

namespace lexiglean {
namespace {

// A function Wine's kernel32 exports (nothing on Windows); its result comes from the process heap.
template <typename Function>
Function WineExport(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

}  // namespace

std::optional<std::string> UnixPathOf(const std::u16string& windowsPath) {
  const auto toUnix = WineExport<char*(CDECL*)(LPCWSTR)>("wine_get_unix_file_name");
  if (toUnix == nullptr) return std::nullopt;
  char* unixPath = toUnix(ToWide(windowsPath).c_str());
  if (unixPath == nullptr) return std::nullopt;
  std::string path(unixPath);
  HeapFree(GetProcessHeap(), 0, unixPath);
  return path;
}

std::optional<std::filesystem::path> WindowsPathOf(const std::string& unixPath) {
  const auto toWindows = WineExport<WCHAR*(CDECL*)(LPCSTR)>("wine_get_dos_file_name");
  if (toWindows == nullptr) return std::nullopt;
  WCHAR* windowsPath = toWindows(unixPath.c_str());
  if (windowsPath == nullptr) return std::nullopt;
  std::filesystem::path path(windowsPath);
  HeapFree(GetProcessHeap(), 0, windowsPath);
  return path;
}

}  // namespace lexiglean
