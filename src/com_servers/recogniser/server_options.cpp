#include "com_servers/recogniser/server_options.h"

#include <optional>

#include "com_servers/recogniser/document_converter.h"
#include "com_servers/recogniser/environment.h"
#include "platform/text.h"
#include "com_servers/recogniser/com_headers.h"

namespace lexiglean::comserver {
namespace {

namespace fs = std::filesystem;

constexpr char kSystemWordList[] = "/usr/share/dict/words";

// Under Wine: the Windows path of a Unix path (Z:\… or the drive that maps it). Nothing elsewhere.
std::optional<fs::path> WinePathOf(const std::string& unixPath) {
  using DosFileName = WCHAR*(CDECL*)(LPCSTR);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto convert =
      reinterpret_cast<DosFileName>(reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")));
  if (convert == nullptr) return std::nullopt;
  WCHAR* dosPath = convert(unixPath.c_str());
  if (dosPath == nullptr) return std::nullopt;
  fs::path result(dosPath);
  HeapFree(GetProcessHeap(), 0, dosPath);
  return result;
}

fs::path ProfileRoot() {
  const std::u16string home = EnvironmentValue(L"LEXIGLEAN_STANDIN_HOME");
  if (home.empty()) return {};  // the stand-in's default
  if (home.front() == u'/') {
    if (std::optional<fs::path> path = WinePathOf(Utf16ToUtf8(home))) return *path;
  }
  return fs::path(home);
}

fs::path SystemWordList() {
  std::optional<fs::path> path = WinePathOf(kSystemWordList);
  std::error_code error;
  return path && fs::is_regular_file(*path, error) ? *path : fs::path();
}

}  // namespace

standin::StandinOptions ServerOptions() {
  standin::StandinOptions options;
  options.profileRoot = ProfileRoot();
  options.systemWordList = SystemWordList();
  options.convertDocument = ServerDocumentConverter();
  return options;
}

}  // namespace lexiglean::comserver
