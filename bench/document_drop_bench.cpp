// Dropping a folder of many documents on the main window (script window, boxes answered, output
// discarded), in one run:
//   Drop/N        a folder of N files (.txt, .docx, .pdf and other kinds, in 100 folders of 10 below
//                 it, names in mixed case) dropped on an empty list: the folders listed, the paths
//                 sorted, each one tested against the list and added; N = 10,000 and 100,000
//   LinearFind/N  the same drop through a window whose duplicate test compares the path with every
//                 entry, as the box's own search does (the cost before the case-folded index); N = 10,000
// and the ratios time(100k) / time(10k) (n log n: about 11; n squared: 100) and linear / indexed at 10k.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "documents/word_processor.h"
#include "platform/case_insensitive.h"
#include "rate_reporter.h"
#include "ui/script/scripted_window.h"

namespace {

using namespace lexiglean;
namespace fs = std::filesystem;

constexpr std::size_t kSizes[] = {10'000, 100'000};

// The folder of n files, made on first use and removed at exit.
class Folders {
 public:
  ~Folders() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  std::u16string Folder(std::size_t n) {
    const fs::path folder = root_ / std::to_string(n);
    if (made_[n]++ == 0) {
      static constexpr const char* kKinds[] = {".txt", ".DOCX", ".pdf", ".Rtf", ".jpg", ".htm"};
      for (std::size_t i = 0; i < n; ++i) {
        const fs::path parent = folder / ("Case " + std::to_string(i % 100)) / ("part" + std::to_string(i / 100 % 10));
        if (i < 1000) fs::create_directories(parent);
        std::ofstream(parent / ("Report " + std::to_string(i) + kKinds[i % 6]));
      }
    }
    return folder.u16string();
  }

 private:
  fs::path root_ = fs::temp_directory_path() / ("lexiglean-drop-bench-" + std::to_string(::getpid()));
  std::map<std::size_t, int> made_;
};

Folders& Shared() {
  static Folders folders;
  return folders;
}

// The duplicate test as the box's own search makes it: every entry compared.
class LinearFindWindow : public ScriptedWindow {
 public:
  LinearFindWindow() : ScriptedWindow([](const std::string&) {}) {}
  int ComboFindStringExact(const std::u16string& text) const override {
    for (std::size_t i = 0; i < ComboEntries().size(); ++i) {
      if (EqualIgnoringCase(ComboEntries()[i], text)) return static_cast<int>(i);
    }
    return -1;
  }
};

template <typename Window>
int DroppedCount(const std::u16string& folder) {
  Window window;
  MainDialog dialog(window, {});
  dialog.OnInitDialog();
  dialog.OnDropFiles({folder, folder});  // the second time every document is a duplicate
  return window.ComboGetCount() - 1;
}

struct IndexedWindow : ScriptedWindow {
  IndexedWindow() : ScriptedWindow([](const std::string&) {}) {}
};

template <typename Window>
void BM_Drop(benchmark::State& state, std::size_t n) {
  const std::u16string folder = Shared().Folder(n);
  for (auto _ : state) benchmark::DoNotOptimize(DroppedCount<Window>(folder));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}


bool ResultsAgree() {
  WordMajorVersion = 16;
  const std::u16string folder = Shared().Folder(kSizes[0]);
  int expected = 0;  // every kind but .jpg is a document
  for (std::size_t i = 0; i < kSizes[0]; ++i) expected += i % 6 != 4 ? 1 : 0;
  return DroppedCount<IndexedWindow>(folder) == expected && DroppedCount<LinearFindWindow>(folder) == expected;
}

using bench::SizedName;

void PrintRatios(const bench::RateReporter& reporter) {
  const auto seconds = [&](const char* what, std::size_t n) { return reporter.SecondsPerRun(what, n); };
  const auto ratio = bench::TimeRatio;
  std::printf("\nCPU time ratios (0: not run):\n");
  std::printf("  Drop time(100k) / time(10k)        %7.2f  (n log n: about 11)\n",
              ratio(seconds("Drop", 100'000), seconds("Drop", 10'000)));
  std::printf("  LinearFind / Drop at 10k            %7.2f\n",
              ratio(seconds("LinearFind", 10'000), seconds("Drop", 10'000)));
}

}  // namespace

int main(int argc, char** argv) {
  for (const std::size_t n : kSizes) {
    benchmark::RegisterBenchmark(SizedName("Drop", n).c_str(), BM_Drop<IndexedWindow>, n)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
  }
  benchmark::RegisterBenchmark(SizedName("LinearFind", kSizes[0]).c_str(), BM_Drop<LinearFindWindow>, kSizes[0])
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  return bench::RunBenchmarks(argc, argv, "items_per_second", ResultsAgree,
                              "the indexed and the linear duplicate test fill different lists", PrintRatios);
}
