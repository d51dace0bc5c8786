#pragma once
// Helpers of the stand-in converter's tests: fixture paths, file bytes, a scratch folder that
// also serves as the temporary folder, so that whatever a conversion leaves behind shows.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

namespace lexiglean::standin_test {

inline std::filesystem::path Fixture(const std::string& name) {
  return std::filesystem::path(LEXIGLEAN_TEST_DATA_DIR) / "documents" / name;
}

inline std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// A fresh folder with `work` for the test's own files and `temp` set as TMPDIR while it lives.
class Scratch {
 public:
  explicit Scratch(const std::string& tempName = "temp") {
    std::random_device seed;
    root_ = std::filesystem::temp_directory_path() / ("lexiglean-standin-test-" + std::to_string(seed()));
    work_ = root_ / "work";
    temp_ = root_ / tempName;
    std::filesystem::create_directories(work_);
    std::filesystem::create_directories(temp_);
    if (const char* old = std::getenv("TMPDIR")) oldTmpdir_ = old;
    setenv("TMPDIR", temp_.c_str(), 1);
  }
  ~Scratch() {
    if (oldTmpdir_) {
      setenv("TMPDIR", oldTmpdir_->c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const std::filesystem::path& work() const { return work_; }
  bool TempIsEmpty() const { return std::filesystem::is_empty(temp_); }

 private:
  std::filesystem::path root_;
  std::filesystem::path work_;
  std::filesystem::path temp_;
  std::optional<std::string> oldTmpdir_;
};

}  // namespace lexiglean::standin_test
