#pragma once
// The stand-in recogniser over a profile folder of the benchmark's own (one user, "bench"), removed when
// the run ends.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "engine/standin/standin_recogniser.h"

namespace lexiglean {

class BenchStandin {
 public:
  // systemWordList: the base vocabulary's file, or empty for none.
  BenchStandin(const std::string& name, std::filesystem::path systemWordList) {
    folder_ = std::filesystem::temp_directory_path() / ("lexiglean-" + name + "-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "current-user") << "bench\n";
    standin::StandinOptions options;
    options.profileRoot = folder_;
    options.systemWordList = std::move(systemWordList);
    recogniser_.emplace(options);
  }
  BenchStandin(const BenchStandin&) = delete;
  BenchStandin& operator=(const BenchStandin&) = delete;
  ~BenchStandin() {
    recogniser_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  const std::filesystem::path& folder() const { return folder_; }
  standin::StandinRecogniser& recogniser() { return *recogniser_; }

 private:
  std::filesystem::path folder_;
  std::optional<standin::StandinRecogniser> recogniser_;
};

}  // namespace lexiglean
