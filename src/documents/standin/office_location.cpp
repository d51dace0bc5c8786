#include "documents/standin/office_location.h"

#include <cstdlib>
#include <system_error>

namespace lexiglean {
namespace {

bool IsExecutableFile(const std::filesystem::path& file) {
  using std::filesystem::perms;
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  return !error && std::filesystem::is_regular_file(status) &&
         (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) != perms::none;
}

}  // namespace

std::optional<std::filesystem::path> FindOfficeExecutable(std::string_view searchPath) {
  while (!searchPath.empty()) {
    const std::size_t colon = searchPath.find(':');
    const std::string_view folder = searchPath.substr(0, colon);
    searchPath = colon == std::string_view::npos ? std::string_view() : searchPath.substr(colon + 1);
    if (!folder.starts_with('/')) continue;  // empty or relative: the working folder decides
    std::filesystem::path candidate = std::filesystem::path(folder) / "soffice";
    if (IsExecutableFile(candidate)) return candidate;
  }
  for (const char* known : {"/usr/bin/soffice", "/usr/lib/libreoffice/program/soffice"}) {
    if (IsExecutableFile(known)) return std::filesystem::path(known);
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> FindOfficeExecutable() {
  const char* searchPath = std::getenv("PATH");
  return FindOfficeExecutable(searchPath ? std::string_view(searchPath) : std::string_view());
}

}  // namespace lexiglean
