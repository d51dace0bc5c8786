// The stand-in recogniser's document analysis on a large generated English text, in one run:
//   CountWords          `wc -w` on the text (C.UTF-8 locale), the baseline
//   SearchWords         what Search Words asks of the recogniser: the document opened, its words handed
//                       to the analyzer, the unknown words taken and combined with an empty collection
//   AdaptWritingStyle   the document opened and handed to the language-model builder, the model built
//   GetCustomWords      a million custom words read from the profile and handed out
//   AddToVocabulary     a million new words added to an empty profile
// Each runs in a child process of its own: wall time (manual time) and the child's peak resident
// memory (counter PeakMB). The ratios to CountWords are printed at the end.
// Arguments: --size_mb=N (default 100) and --seed=N (default 19), then Google Benchmark's own.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_standin.h"
#include "child_run.h"
#include "engine/recogniser.h"
#include "rate_reporter.h"

extern char** environ;

namespace {

using namespace lexiglean;
namespace fs = std::filesystem;

constexpr char kSystemWords[] = "/usr/share/dict/words";
constexpr std::size_t kMillion = 1'000'000;

std::size_t sizeMb = 100;
std::uint64_t seed = 19;
fs::path corpusFolder;

fs::path Corpus() { return corpusFolder / "corpus.txt"; }
fs::path CustomWordsList() { return corpusFolder / "custom-words.txt"; }

std::vector<std::string> DictionaryWords() {
  std::vector<std::string> words;
  std::ifstream in(kSystemWords);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) words.push_back(line);
  }
  if (words.empty()) words = {"the", "of", "and", "to", "in", "is", "was", "it", "for", "on"};
  return words;
}

// A pronounceable word no dictionary holds (mostly).
std::string InventedWord(std::mt19937_64& random) {
  static constexpr char kConsonants[] = "bcdfghklmnprstvwxz";
  static constexpr char kVowels[] = "aeiouy";
  std::string word;
  for (std::size_t syllables = 2 + random() % 3; syllables > 0; --syllables) {
    word += kConsonants[random() % 18];
    word += kVowels[random() % 6];
  }
  if (random() % 3 == 0) word += kConsonants[random() % 18];
  return word;
}

// Picks ranks 0..n-1 with Zipf (s = 1) frequencies, as words of running text come.
class Zipf {
 public:
  explicit Zipf(std::size_t n) {
    double sum = 0;
    for (std::size_t rank = 1; rank <= n; ++rank) cumulative_.push_back(sum += 1.0 / static_cast<double>(rank));
  }
  std::size_t operator()(std::mt19937_64& random) const {
    const double x = std::uniform_real_distribution<double>(0, cumulative_.back())(random);
    return static_cast<std::size_t>(std::lower_bound(cumulative_.begin(), cumulative_.end(), x) - cumulative_.begin());
  }

 private:
  std::vector<double> cumulative_;
};

// sizeMb of English-like text: 12 words a line, dictionary words in Zipf frequencies in shuffled
// order, about one word in ten invented (from a pool of 50,000, also Zipf), sentences capitalised and
// punctuated.
void WriteCorpus() {
  std::mt19937_64 random(seed);
  std::vector<std::string> known = DictionaryWords();
  std::shuffle(known.begin(), known.end(), random);
  std::vector<std::string> invented(50'000);
  for (std::string& word : invented) word = InventedWord(random);
  const Zipf knownRank(known.size()), inventedRank(invented.size());
  std::ofstream out(Corpus(), std::ios::binary);
  std::string line;
  bool sentenceStart = true;
  for (std::uint64_t written = 0; written < sizeMb << 20; written += line.size()) {
    line.clear();
    for (int i = 0; i < 12; ++i) {
      std::string word = random() % 10 == 0 ? invented[inventedRank(random)] : known[knownRank(random)];
      if (sentenceStart && word[0] >= 'a' && word[0] <= 'z') word[0] = static_cast<char>(word[0] - 32);
      sentenceStart = false;
      line += word;
      const auto mark = random() % 16;
      if (mark == 0) line += ',';
      if (mark == 1) line += '.', sentenceStart = true;
      line += i == 11 ? '\n' : ' ';
    }
    out << line;
  }
}

// A versioned word list of a million custom words, a tenth of them with a spoken form.
void WriteCustomWords() {
  std::mt19937_64 random(seed + 1);
  std::ofstream out(CustomWordsList(), std::ios::binary);
  out << "@Version=Plato-UTF8\r\n";
  for (std::size_t i = 0; i < kMillion; ++i) {
    const std::string word = InventedWord(random) + InventedWord(random);
    out << word;
    if (i % 10 == 0) out << '\\' << InventedWord(random);
    out << "\r\n";
  }
}

using bench::ChildRun;
using bench::InChild;
using bench::Waited;

void Report(benchmark::State& state, const ChildRun& run) {
  if (!run.ok) state.SkipWithError("the child process failed");
  state.SetIterationTime(run.seconds);
  state.counters["PeakMB"] = run.peakMb;
  state.counters["MB/s"] = static_cast<double>(sizeMb) / run.seconds;
}

void BM_CountWords(benchmark::State& state) {
  for (auto _ : state) {
    std::fflush(nullptr);
    const auto start = std::chrono::steady_clock::now();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string file = Corpus().string();
    char wc[] = "wc", w[] = "-w";
    char* argv[] = {wc, w, file.data(), nullptr};
    char locale[] = "LC_ALL=C.UTF-8";
    char* env[] = {locale, nullptr};
    pid_t child = 0;
    const int failed = posix_spawnp(&child, "wc", &actions, nullptr, argv, env);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
      state.SkipWithError("wc cannot be started");
      return;
    }
    Report(state, Waited(child, start));
  }
}

void BM_SearchWords(benchmark::State& state) {
  for (auto _ : state) {
    Report(state, InChild([] {
             BenchStandin standin("search-words", kSystemWords);
             const auto tools = standin.recogniser().CreateVocabularyTools();
             tools->put_CapSensitive(false);
             const auto document = tools->get_DocumentLoader()->OpenDocument(Corpus().u16string(), 0);
             tools->get_WordAnalyzer()->AddWords(document->get_Words());
             const std::int32_t analysed = document->get_AnalysisCount();
             const auto unknown = tools->get_WordAnalyzer()->get_UnknownWords();
             const auto kept = tools->get_WordAnalyzer()->CreateWordCollection();
             const auto result = tools->get_WordAnalyzer()->CombineCollections(unknown, kept);
             std::printf("  (%d words analysed, %d unknown)\n", analysed, result->get_Count());
             return analysed > 0 && result->get_Count() > 0;
           }));
  }
}

void BM_AdaptWritingStyle(benchmark::State& state) {
  for (auto _ : state) {
    Report(state, InChild([] {
             BenchStandin standin("adapt", kSystemWords);
             const auto tools = standin.recogniser().CreateVocabularyTools();
             const auto builder = tools->get_UserVocabulary()->get_LanguageModelBuilder();
             builder->AddDocument(tools->get_DocumentLoader()->OpenDocument(Corpus().u16string(), 0));
             const bool skipped = builder->Build(-1, 0);
             const auto model = fs::file_size(standin.folder() / "bench" / "language-model.tsv");
             std::printf("  (language model of %ju bytes)\n", static_cast<std::uintmax_t>(model));
             return !skipped && model > 0;
           }));
  }
}

void BM_GetCustomWords(benchmark::State& state) {
  for (auto _ : state) {
    Report(state, InChild([] {
             BenchStandin standin("custom-words", "");
             fs::create_directories(standin.folder() / "bench");
             fs::copy_file(CustomWordsList(), standin.folder() / "bench" / "custom-words.txt");
             const auto tools = standin.recogniser().CreateVocabularyTools();
             const auto words = tools->get_UserVocabulary()->GetCustomWords(-1);
             return words->get_Count() > 0;
           }));
  }
}

void BM_AddToVocabulary(benchmark::State& state) {
  for (auto _ : state) {
    Report(state, InChild([] {
             std::vector<std::pair<std::u16string, std::u16string>> words;
             std::mt19937_64 random(seed + 2);
             for (std::size_t i = 0; i < kMillion; ++i) {
               const std::string word = InventedWord(random) + InventedWord(random);
               words.emplace_back(std::u16string(word.begin(), word.end()), i % 10 == 0 ? u"spoken" : u"");
             }
             BenchStandin standin("add-words", "");
             const auto tools = standin.recogniser().CreateVocabularyTools();
             auto collection = tools->get_WordAnalyzer()->CreateWordCollection();
             for (const auto& [written, spoken] : words) collection->Add(written, spoken);
             words = {};
             return tools->get_UserVocabulary()->AddToVocabulary(collection, 1)->get_Count() > 0;
           }));
  }
}

BENCHMARK(BM_CountWords)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchWords)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdaptWritingStyle)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetCustomWords)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddToVocabulary)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Takes --size_mb and --seed out of the arguments.
void ReadOwnArguments(int& argc, char** argv) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--size_mb=", 10) == 0) {
      sizeMb = std::stoul(argv[i] + 10);
    } else if (std::strncmp(argv[i], "--seed=", 7) == 0) {
      seed = std::stoull(argv[i] + 7);
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
}

}  // namespace

int main(int argc, char** argv) {
  ReadOwnArguments(argc, argv);
  corpusFolder = fs::temp_directory_path() / ("lexiglean-document-analysis-bench-" + std::to_string(::getpid()));
  fs::create_directories(corpusFolder);
  WriteCorpus();
  WriteCustomWords();
  std::printf("corpus: %ju bytes, seed %ju\n", static_cast<std::uintmax_t>(fs::file_size(Corpus())),
              static_cast<std::uintmax_t>(seed));
  const int result = lexiglean::bench::RunBenchmarks(
      argc, argv, "MB/s", [] { return true; }, "", [](const lexiglean::bench::RateReporter& reporter) {
        const double baseline = reporter.Rate("BM_CountWords");
        for (const char* name : {"BM_SearchWords", "BM_AdaptWritingStyle"}) {
          const double rate = reporter.Rate(name);
          if (baseline > 0 && rate > 0) std::printf("%s: %.2f x the time of wc -w\n", name, baseline / rate);
        }
      });
  std::error_code ignored;
  fs::remove_all(corpusFolder, ignored);
  return result;
}
