#include "com_servers/recogniser/server_options.h"

#include <optional>

#include "com_servers/linux_converter.h"
#include "com_servers/recogniser/environment.h"
#include "com_servers/wine_paths.h"
#include "platform/text.h"

namespace lexiglean::comserver {
namespace {

namespace fs = std::filesystem;

constexpr char kSystemWordList[] = "/usr/share/dict/words";

fs::path ProfileRoot() {
  const std::u16string home = EnvironmentValue(L"LEXIGLEAN_STANDIN_HOME");
  if (home.empty()) return {};  // the stand-in's default
  if (home.front() == u'/') {
    if (std::optional<fs::path> path = WindowsPathOf(Utf16ToUtf8(home))) return *path;
  }
  return fs::path(home);
}

fs::path SystemWordList() {
  std::optional<fs::path> path = WindowsPathOf(kSystemWordList);
  std::error_code error;
  return path && fs::is_regular_file(*path, error) ? *path : fs::path();
}

}  // namespace

standin::StandinOptions ServerOptions() {
  standin::StandinOptions options;
  options.profileRoot = ProfileRoot();
  options.systemWordList = SystemWordList();
  // .doc, .docx and .pdf documents through the stand-in word processor's Linux converter.
  options.convertDocument = LinuxConvertedDocumentText;
  return options;
}

}  // namespace lexiglean::comserver
