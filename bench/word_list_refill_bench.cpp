// The word list at scale: a refill of n items through the script window, against adding the same
// items one by one (each at its sorted place), and the resident memory a million items take in the
// model plus the script window. Figures are ratios from one run (n to 10 n, refill to one by one).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "ui/script/scripted_window.h"
#include "wordlist/word_list.h"

namespace {

using lexiglean::WordList;
using lexiglean::WordListItem;

// n distinct-ish written forms of 20 letters, in random order, every item checked.
std::vector<WordListItem> Batch(std::size_t n) {
  std::mt19937_64 random(n);
  std::vector<WordListItem> items(n);
  for (WordListItem& item : items) {
    item.written.resize(20);
    for (char16_t& c : item.written) c = static_cast<char16_t>(u'a' + random() % 26);
    item.written[0] = static_cast<char16_t>(u'A' + random() % 26);
    item.checked = true;
  }
  return items;
}

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

void BM_Refill(benchmark::State& state) {
  const std::vector<WordListItem> batch = Batch(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    lexiglean::ScriptedWindow window([](const std::string&) {});
    WordList list(window);
    list.refill(batch);
    benchmark::DoNotOptimize(list.count());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Refill)->RangeMultiplier(10)->Range(10'000, 1'000'000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_AddOneByOne(benchmark::State& state) {
  const std::vector<WordListItem> batch = Batch(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    lexiglean::ScriptedWindow window([](const std::string&) {});
    WordList list(window);
    for (const WordListItem& item : batch) list.addItem(item.written, item.spoken, item.checked);
    benchmark::DoNotOptimize(list.count());
  }
}
BENCHMARK(BM_AddOneByOne)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Resident megabytes a million items add, in the model and the script window together.
void BM_MillionItemsResident(benchmark::State& state) {
  for (auto _ : state) {
    const double before = ResidentMegabytes();
    lexiglean::ScriptedWindow window([](const std::string&) {});
    WordList list(window);
    list.refill(Batch(1'000'000));
    state.counters["resident_MB"] = ResidentMegabytes() - before;
  }
}
BENCHMARK(BM_MillionItemsResident)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
