#include "platform/temp_directory.h"

#include <random>
#include <string>
#include <system_error>

namespace lexiglean {

std::optional<TempDirectory> TempDirectory::Create(std::string_view prefix) {
  std::error_code error;
  const std::filesystem::path parent = std::filesystem::absolute(std::filesystem::temp_directory_path(error), error);
  if (error) return std::nullopt;
  std::random_device seed;
  std::mt19937_64 random(seed());
  constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name(prefix);
    for (int i = 0; i < 12; ++i) name += kLetters[pick(random)];
    const std::filesystem::path candidate = parent / name;
    if (!std::filesystem::create_directory(candidate, error)) {
      if (error) return std::nullopt;
      continue;  // taken
    }
    TempDirectory directory(candidate);
    std::filesystem::permissions(candidate, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, error);
    if (error) return std::nullopt;  // removed by the destructor
    return directory;
  }
  return std::nullopt;
}

TempDirectory::TempDirectory(TempDirectory&& other) noexcept : path_(std::move(other.path_)) {
  other.path_.clear();
}

TempDirectory::~TempDirectory() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace lexiglean
