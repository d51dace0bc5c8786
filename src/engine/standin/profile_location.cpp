#include "engine/standin/profile_location.h"

#include <cstdlib>

namespace lexiglean::standin {
namespace {

namespace fs = std::filesystem;

constexpr char kProfileFolderName[] = "lexiglean-standin";

// The variable's value; empty when it is unset or empty.
std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// A narrow environment value as UTF-16 (the path class knows the system's narrow encoding).
std::u16string EnvironmentText(const std::string& value) {
  try {
    return fs::path(value).u16string();
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

fs::path DefaultProfileRoot() {
  if (const std::string home = Environment("LEXIGLEAN_STANDIN_HOME"); !home.empty()) return fs::path(home);
#ifdef _WIN32
  if (const std::string local = Environment("LOCALAPPDATA"); !local.empty()) return fs::path(local) / kProfileFolderName;
#endif
  if (const std::string data = Environment("XDG_DATA_HOME"); !data.empty() && fs::path(data).is_absolute()) {
    return fs::path(data) / kProfileFolderName;
  }
  if (const std::string home = Environment("HOME"); !home.empty()) {
    return fs::path(home) / ".local" / "share" / kProfileFolderName;
  }
  return {};
}

fs::path DefaultSystemWordList() {
#ifdef _WIN32
  return {};
#else
  return "/usr/share/dict/words";
#endif
}

std::u16string LoginName() {
  for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
    const std::u16string name = EnvironmentText(Environment(variable));
    if (IsValidUserName(name)) return name;
  }
  return u"user";
}

bool IsValidUserName(std::u16string_view name) {
  if (name.empty() || name == u"." || name == u".." || name.size() > 200) return false;
  for (const char16_t c : name) {
    if (c < 0x20 || c == 0x7F || std::u16string_view(u"/\\:*?\"<>|").find(c) != std::u16string_view::npos) return false;
  }
  return name.back() != u' ' && name.back() != u'.';
}

}  // namespace lexiglean::standin
