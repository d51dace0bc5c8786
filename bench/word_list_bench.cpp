// The word list at scale, in one run:
//   Import/N         "&From TXT File" clicked in the main window (script window, output discarded;
//                    stand-in recogniser) on a word-list file of N entries written beforehand: the file
//                    read, combined with the (empty) list by the recogniser, the list refilled;
//                    N = 10,000, 100,000 and 1,000,000
//   Refill/N         the model alone: the same entries handed to WordList::refillImported
//   OneByOne/N       the model alone: the same entries added one by one, each at its sorted place
//   ImportPeak/N     one import of the N-entry file in a child process of its own: wall time, the child's
//                    peak resident memory (PeakMB; it prints what it had resident before the import);
//                    N = 1,000,000
//   MillionItemsResident   resident megabytes of a million 20-character items in the model plus the
//                    script window
// and the ratios time(10 N) / time(N) (CPU time; Import and Refill the median of three repetitions)
// and one by one / refill. The entries are realistic written forms in random order (seeded): words of
// /usr/share/dict/words (generated words when it is missing), names of capitalised words, acronyms,
// mixed case, letters beyond ASCII, exact repeats and case twins.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <malloc.h>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "bench_standin.h"
#include "child_run.h"
#include "platform/text.h"
#include "platform/word_list_file.h"
#include "rate_reporter.h"
#include "ui/script/scripted_window.h"
#include "window/control_ids.h"
#include "wordlist/word_list.h"

namespace {

using namespace lexiglean;
namespace fs = std::filesystem;

constexpr std::size_t kSizes[] = {10'000, 100'000, 1'000'000};
constexpr std::size_t kOneByOneSizes[] = {10'000, 100'000};

// Dictionary words without possessives; syllable words when the dictionary is missing.
std::vector<std::u16string> Words() {
  std::vector<std::u16string> words;
  std::ifstream in("/usr/share/dict/words");
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.find('\'') == std::string::npos) words.push_back(Utf8ToUtf16(line));
  }
  if (!words.empty()) return words;
  static constexpr char16_t kConsonants[] = u"bcdfghklmnprstvwz";
  static constexpr char16_t kVowels[] = u"aeiou";
  std::mt19937_64 random(7);
  words.resize(50'000);
  for (std::u16string& word : words) {
    for (std::size_t syllables = 1 + random() % 4; syllables > 0; --syllables) {
      word += kConsonants[random() % 17];
      word += kVowels[random() % 5];
    }
  }
  return words;
}

char16_t Upper(char16_t c) {
  if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<char16_t>(c - 0x20);
  return c;
}

std::u16string Capitalised(std::u16string word) {
  word[0] = Upper(word[0]);
  return word;
}

// n entries in random order; most spoken forms are empty, acronyms are often spelled out, and one in
// twenty spoken forms holds a digit (not plain: imported unchecked with the marker "x").
std::vector<WordListFileEntry> Entries(std::size_t n) {
  static const std::vector<std::u16string> words = Words();
  static constexpr char16_t kLatin1[] = u"äöüéèáçñÄÖÜÉ";
  std::mt19937_64 random(n);
  const auto word = [&] { return words[random() % words.size()]; };
  std::vector<WordListFileEntry> entries;
  entries.reserve(n);
  while (entries.size() < n) {
    WordListFileEntry entry;
    std::u16string& written = entry.written;
    switch (random() % 20) {
      case 0: case 1: case 2: case 3: case 4: written = word(); break;
      case 5: case 6: case 7: case 8: {  // a name: "New York Stock Exchange", "Bank of England"
        for (std::size_t length = 2 + random() % 3, i = 0; i < length; ++i) {
          if (i != 0) written += i + 1 < length && random() % 5 == 0 ? u" of " : u" ";
          written += Capitalised(word());
        }
        break;
      }
      case 9: case 10: {  // an acronym, spelled out half the time
        for (std::size_t length = 2 + random() % 4; length > 0; --length) {
          written += static_cast<char16_t>(u'A' + random() % 26);
        }
        if (random() % 2 == 0) {
          for (const char16_t letter : written) {
            if (!entry.spoken.empty()) entry.spoken += u' ';
            entry.spoken += letter;
          }
        }
        break;
      }
      case 11: written = (random() % 2 == 0 ? u"Mc" : u"e") + Capitalised(word()); break;  // mixed case
      case 12: {  // letters beyond ASCII: "Müller", "Élan"
        written = Capitalised(word());
        written[random() % written.size()] = kLatin1[random() % 12];
        break;
      }
      case 13: case 14:  // an exact repeat
        if (!entries.empty()) entry = entries[random() % entries.size()];
        break;
      case 15:  // a case twin
        if (!entries.empty()) {
          written = entries[random() % entries.size()].written;
          for (char16_t& c : written) c = Upper(c);
        }
        break;
      case 16: written = Capitalised(word()) + u"-" + word(); break;
      case 17: written = Capitalised(word()) + u" " + DecimalText(1900 + random() % 130); break;
      default: written = Capitalised(word()); break;
    }
    if (written.empty()) continue;
    if (random() % 20 == 0) entry.spoken = word() + u" " + DecimalText(random() % 100);
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<std::pair<std::u16string, std::u16string>> Pairs(const std::vector<WordListFileEntry>& entries) {
  std::vector<std::pair<std::u16string, std::u16string>> pairs;
  pairs.reserve(entries.size());
  for (const WordListFileEntry& entry : entries) pairs.emplace_back(entry.written, entry.spoken);
  return pairs;
}

// The stand-in's profile and the word-list files, in a folder of their own removed at exit.
class Fixture {
 public:
  Recogniser& recogniser() { return standin_.recogniser(); }
  // The versioned word-list file of Entries(n), written on first use.
  const fs::path& File(std::size_t n) {
    fs::path& path = files_[n];
    if (path.empty()) {
      path = standin_.folder() / ("entries-" + std::to_string(n) + ".txt");
      std::ofstream(path, std::ios::binary) << FormatVersionedWordList(Entries(n));
    }
    return path;
  }

 private:
  BenchStandin standin_{"word-list", {}};
  std::map<std::size_t, fs::path> files_;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

// A main window, initialised, with the import's file chosen in advance.
struct ImportSession {
  explicit ImportSession(const fs::path& file) {
    dialog.OnInitDialog();
    window.QueueFiles({file.u16string()});
  }
  void Import() { dialog.OnCommand(IDC_FROM_TXT_FILE, BN_CLICKED); }

  ScriptedWindow window{[](const std::string&) {}};
  MainDialog dialog{window, {&Shared().recogniser(), nullptr}};
};

void BM_Import(benchmark::State& state, std::size_t n) {
  const fs::path& file = Shared().File(n);
  std::optional<ImportSession> session;
  for (auto _ : state) {
    state.PauseTiming();
    session.emplace(file);
    state.ResumeTiming();
    session->Import();
    state.PauseTiming();
    benchmark::DoNotOptimize(session->window.Rows().size());
    session.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

void BM_Refill(benchmark::State& state, std::size_t n) {
  const auto batch = Pairs(Entries(n));
  for (auto _ : state) {
    state.PauseTiming();
    std::optional<ScriptedWindow> window(std::in_place, [](const std::string&) {});
    std::optional<WordList> list(std::in_place, *window);
    auto arrivals = batch;
    state.ResumeTiming();
    list->refillImported(std::move(arrivals));
    state.PauseTiming();
    list.reset();
    window.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

void AddOneByOne(WordList& list, const std::vector<std::pair<std::u16string, std::u16string>>& batch) {
  for (const auto& [written, spoken] : batch) list.addImportedItem(written, spoken);
}

void BM_OneByOne(benchmark::State& state, std::size_t n) {
  const auto batch = Pairs(Entries(n));
  for (auto _ : state) {
    ScriptedWindow window([](const std::string&) {});
    WordList list(window);
    AddOneByOne(list, batch);
    benchmark::DoNotOptimize(list.count());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
}

// Resident megabytes, after the allocator has handed back what it keeps free.
double ResidentMegabytes() {
  malloc_trim(0);
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

// One import in a child process: its peak memory, and what it started with (the parent's pages).
void BM_ImportPeak(benchmark::State& state, std::size_t n) {
  const fs::path& file = Shared().File(n);
  for (auto _ : state) {
    malloc_trim(0);  // the child starts with only what the parent still uses
    const bench::ChildRun run = bench::InChild([&] {
      const double startMb = ResidentMegabytes();
      ImportSession session(file);
      session.Import();
      std::printf("  (%zu rows; started with %.1f MB resident)\n", session.window.Rows().size(), startMb);
      return session.window.Rows().size() > 0;
    });
    if (!run.ok) state.SkipWithError("the child process failed");
    state.SetIterationTime(run.seconds);
    state.counters["PeakMB"] = run.peakMb;
  }
}

// Resident megabytes a million items of 20-letter written forms add, in the model and the script window.
void BM_MillionItemsResident(benchmark::State& state) {
  for (auto _ : state) {
    const double before = ResidentMegabytes();
    ScriptedWindow window([](const std::string&) {});
    WordList list(window);
    {
      std::mt19937_64 random(20);
      std::vector<WordListItem> items(1'000'000);
      for (WordListItem& item : items) {
        item.written.resize(20);
        for (char16_t& c : item.written) c = static_cast<char16_t>(u'a' + random() % 26);
        item.written[0] = Upper(item.written[0]);
        item.checked = true;
      }
      list.refill(std::move(items));
    }
    state.counters["resident_MB"] = ResidentMegabytes() - before;
  }
}

bool SameRows(const ScriptedWindow& a, const ScriptedWindow& b) {
  if (a.Rows().size() != b.Rows().size()) return false;
  for (std::size_t i = 0; i < a.Rows().size(); ++i) {
    if (a.Rows().checked(i) != b.Rows().checked(i)) return false;
    for (int column = 0; column < ListRows::kColumns; ++column) {
      if (a.Rows().text(i, column) != b.Rows().text(i, column)) return false;
    }
  }
  return true;
}

// Before anything is timed: the import of the smallest file gives the rows of its distinct entries
// added one by one, and so does the model's refill.
bool ResultsAgree() {
  const std::size_t n = kSizes[0];
  std::vector<std::pair<std::u16string, std::u16string>> distinct;
  std::set<std::pair<std::u16string, std::u16string>> seen;
  for (const auto& pair : Pairs(Entries(n))) {
    if (seen.insert(pair).second) distinct.push_back(pair);
  }
  ScriptedWindow oneByOneWindow([](const std::string&) {});
  WordList oneByOne(oneByOneWindow);
  AddOneByOne(oneByOne, distinct);
  ImportSession session(Shared().File(n));
  session.Import();
  ScriptedWindow refillWindow([](const std::string&) {});
  WordList refilled(refillWindow);
  refilled.refillImported(distinct);
  std::printf("%zu entries, %zu distinct, %d checked\n", n, distinct.size(), oneByOne.checkedCount());
  return SameRows(session.window, oneByOneWindow) && SameRows(refillWindow, oneByOneWindow);
}


using bench::SizedName;

void PrintRatios(const bench::RateReporter& reporter) {
  const auto seconds = [&](const char* what, std::size_t n) { return reporter.SecondsPerRun(what, n); };
  const auto ratio = bench::TimeRatio;
  std::printf("\nCPU time ratios (0: not run):\n");
  for (const char* what : {"Import", "Refill"}) {
    std::printf("  %-8s time(100k) / time(10k) %7.2f%s\n", what, ratio(seconds(what, 100'000), seconds(what, 10'000)),
                what[0] == 'I' ? "  (goal <= 12)" : "");
    if (what[0] == 'I') {
      std::printf("  %-8s time(1M) / time(100k)  %7.2f\n", what, ratio(seconds(what, 1'000'000), seconds(what, 100'000)));
    }
  }
  for (const std::size_t n : kOneByOneSizes) {
    std::printf("  one by one / refill at %zu: %7.1f\n", n, ratio(seconds("OneByOne", n), seconds("Refill", n)));
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Memory first, while the heap holds nothing else.
  benchmark::RegisterBenchmark(SizedName("ImportPeak", kSizes[2]).c_str(), BM_ImportPeak, kSizes[2])
      ->UseManualTime()
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("MillionItemsResident", BM_MillionItemsResident)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  for (const std::size_t n : kSizes) {
    benchmark::RegisterBenchmark(SizedName("Import", n).c_str(), BM_Import, n)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
  }
  for (const std::size_t n : kOneByOneSizes) {
    benchmark::RegisterBenchmark(SizedName("Refill", n).c_str(), BM_Refill, n)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
  }
  for (const std::size_t n : kOneByOneSizes) {
    benchmark::RegisterBenchmark(SizedName("OneByOne", n).c_str(), BM_OneByOne, n)->Unit(benchmark::kMillisecond);
  }
  return bench::RunBenchmarks(argc, argv, "items_per_second", ResultsAgree,
                              "the import, the refill and adding one by one give different rows", PrintRatios);
}
