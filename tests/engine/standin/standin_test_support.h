#pragma once
// Shared pieces of the stand-in recogniser's tests: a fresh profile folder per test, file helpers,
// an event recorder and a catcher for ComError.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "engine/standin/profile_files.h"
#include "platform/text.h"
#include "engine/standin/standin_recogniser.h"
#include "support/caught_com_error.h"
#include "support/recording_events.h"

namespace lexiglean::standin::testing {

namespace fs = std::filesystem;

inline std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

inline void WriteBytes(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The file names in a folder, sorted.
inline std::vector<std::string> FileNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A profile folder of its own (removed afterwards) with the user "tester" loaded and a small system
// word list beside it.
class StandinTest : public ::testing::Test {
 protected:
  StandinTest() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    base_ = fs::temp_directory_path() /
            ("lexiglean-standin-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
    fs::create_directories(root());
    WriteBytes(wordList(), "the\ncat\nsat\nmat\nAsunci\xC3\xB3n\n");
    WriteBytes(root() / "current-user", "tester\n");
  }
  ~StandinTest() override {
    std::error_code ignored;
    fs::remove_all(base_, ignored);
  }

  fs::path root() const { return base_ / "profiles"; }
  fs::path wordList() const { return base_ / "words"; }
  fs::path userFolder() const { return root() / "tester"; }
  fs::path customWordsFile() const { return userFolder() / "custom-words.txt"; }
  fs::path base() const { return base_; }

  // A recogniser on this profile, as if the program started anew.
  StandinRecogniser Restart(DocumentConverter convert = {}, std::shared_ptr<const FileReplacer> files = {}) const {
    return StandinRecogniser(StandinOptions{root(), wordList(), std::move(convert), std::move(files)});
  }

 private:
  fs::path base_;
};

using RecordingSink = ::lexiglean::testing::RecordingEvents;

using ::lexiglean::testing::CaughtComError;

// The (written, spoken) pairs of a collection, in order.
inline std::vector<std::pair<std::u16string, std::u16string>> Pairs(IWordCollection& collection) {
  std::vector<std::pair<std::u16string, std::u16string>> pairs;
  for (std::int32_t i = 0; i < collection.get_Count(); ++i) {
    const auto item = collection.get_Item(i);
    pairs.emplace_back(item->get_WrittenForm(), item->get_SpokenForm());
  }
  return pairs;
}

using PairList = std::vector<std::pair<std::u16string, std::u16string>>;

}  // namespace lexiglean::standin::testing
