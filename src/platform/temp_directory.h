#pragma once
// A fresh folder under the system's temporary folder, removed with all it holds when let go.
#include <filesystem>
#include <optional>
#include <string_view>

namespace lexiglean {

class TempDirectory {
 public:
  // The folder is named prefix + random letters and is open to its owner only; none when it
  // cannot be created.
  static std::optional<TempDirectory> Create(std::string_view prefix);

  TempDirectory(TempDirectory&& other) noexcept;
  TempDirectory& operator=(TempDirectory&&) = delete;
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;
  ~TempDirectory();

  const std::filesystem::path& path() const { return path_; }

 private:
  explicit TempDirectory(std::filesystem::path path) : path_(std::move(path)) {}
  std::filesystem::path path_;
};

}  // namespace lexiglean
