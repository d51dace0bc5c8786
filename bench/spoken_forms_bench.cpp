// Create Spoken Forms' rules over a 100,000-item list of realistic written forms against the stand-in
// recogniser (base vocabulary /usr/share/dict/words), side by side in one run:
//   Exact/Kept        the program's way: hand-written patterns, each distinct text asked once per run
//   Exact/EveryTime   hand-written patterns, a fresh analyzer and lookup for every rule application
//   Regex/Kept        std::regex_match for the four patterns, answers kept
//   Regex/EveryTime   the naive baseline: std::regex_match and a lookup for every rule application
// and the ratio of each to the baseline, with the recogniser calls per item as counters. The list is
// generated from a fixed seed: phrases of dictionary words (drawn with the frequencies of real text),
// single words, acronyms, CamelCase compounds, hyphenated words and numbers.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <locale>
#include <map>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "bench_standin.h"
#include "spoken/spoken_form_rules.h"
#include "rate_reporter.h"
#include "written_forms.h"

namespace {

using namespace lexiglean;
namespace fs = std::filesystem;

constexpr std::size_t kItems = 100'000;
constexpr char kDictionary[] = "/usr/share/dict/words";

const std::vector<std::string>& WrittenForms() {
  static const std::vector<std::string> forms = bench::GeneratedWrittenForms(kItems, kDictionary);
  return forms;
}

// A stand-in profile of its own for the run, removed at exit.
class StandinFixture {
 public:
  StandinFixture() : tools_(standin_.recogniser().CreateVocabularyTools()) {
    tools_->get_WordAnalyzer()->LookupWord(u"warm", u"");  // reads the word list before any timing
  }
  const std::shared_ptr<IVocabularyTools>& Tools() const { return tools_; }

 private:
  BenchStandin standin_{"spoken", kDictionary};
  std::shared_ptr<IVocabularyTools> tools_;  // let go before the recogniser
};

StandinFixture& Standin() {
  static StandinFixture fixture;
  return fixture;
}

// The vocabulary tools with every analyzer's lookups counted.
class CountingAnalyzer : public IWordAnalyzer {
 public:
  CountingAnalyzer(std::shared_ptr<IWordAnalyzer> inner, std::int64_t& lookups) : inner_(std::move(inner)), lookups_(lookups) {}
  void AddWords(const std::shared_ptr<IWordCollection>& words) override { inner_->AddWords(words); }
  std::shared_ptr<IWordCollection> get_UnknownWords() override { return inner_->get_UnknownWords(); }
  std::shared_ptr<IWordItem> LookupWord(const std::u16string& written, const std::u16string& spoken) override {
    ++lookups_;
    return inner_->LookupWord(written, spoken);
  }
  std::shared_ptr<IWordCollection> CreateWordCollection() override { return inner_->CreateWordCollection(); }
  std::shared_ptr<IWordCollection> CombineCollections(const std::shared_ptr<IWordCollection>& a,
                                                      const std::shared_ptr<IWordCollection>& b) override {
    return inner_->CombineCollections(a, b);
  }

 private:
  std::shared_ptr<IWordAnalyzer> inner_;
  std::int64_t& lookups_;
};

class CountingTools : public IVocabularyTools {
 public:
  explicit CountingTools(std::shared_ptr<IVocabularyTools> inner) : inner_(std::move(inner)) {}
  void Initialize(const std::u16string& a, const std::u16string& b) override { inner_->Initialize(a, b); }
  void Uninitialize() override { inner_->Uninitialize(); }
  void put_CapSensitive(bool value) override { inner_->put_CapSensitive(value); }
  std::shared_ptr<IDocumentLoader> get_DocumentLoader() override { return inner_->get_DocumentLoader(); }
  std::shared_ptr<IWordAnalyzer> get_WordAnalyzer() override {
    ++analyzers;
    return std::make_shared<CountingAnalyzer>(inner_->get_WordAnalyzer(), lookups);
  }
  std::shared_ptr<IUserVocabulary> get_UserVocabulary() override { return inner_->get_UserVocabulary(); }

  std::int64_t analyzers = 0;
  std::int64_t lookups = 0;

 private:
  std::shared_ptr<IVocabularyTools> inner_;
};

// The four patterns through std::regex_match, as the naive baseline matches them.
constexpr char kAcronym[] = "([A-Z]){2,}";
constexpr char kTwoPart[] = "([A-Z][a-z]+)([A-Z][a-z]+)";
constexpr char kThreePart[] = "([A-Z][a-z]+)([A-Z][a-z]+)([A-Z][a-z]+)";
constexpr char kLettersDigitsLetters[] = "([A-za-z]*)([0-9]+)([A-za-z]*)";

template <const char* kExpression>
std::optional<PatternMatch> RegexMatch(std::string_view word) {
  static const std::regex regex = [] {
    std::regex re;
    re.imbue(std::locale::classic());
    re.assign(kExpression, std::regex::ECMAScript);
    return re;
  }();
  std::cmatch groups;
  if (!std::regex_match(word.data(), word.data() + word.size(), groups, regex)) return std::nullopt;
  PatternMatch match;
  match.count = groups.size() - 1;
  for (std::size_t g = 0; g < match.count; ++g) {
    match.groups[g] = std::string_view(groups[g + 1].first, static_cast<std::size_t>(groups[g + 1].length()));
  }
  return match;
}

const WordPatterns kRegexPatterns{RegexMatch<kAcronym>, RegexMatch<kTwoPart>, RegexMatch<kThreePart>,
                                  RegexMatch<kLettersDigitsLetters>};

struct RunResult {
  std::string spoken;  // every item's spoken form and flag, for the agreement check
  std::string problems;
  std::int64_t analyzers = 0;
  std::int64_t lookups = 0;
};

RunResult RunRules(const WordPatterns& patterns, VocabularyLookup::Answers answers) {
  auto tools = std::make_shared<CountingTools>(Standin().Tools());
  RunResult result;
  {
    VocabularyLookup vocabulary(tools, answers);
    SpokenFormRules rules(vocabulary, patterns);
    for (const std::string& written : WrittenForms()) {
      const ItemSpokenForm form = rules.SpeakWrittenForm(written);
      result.spoken += form.spoken;
      result.spoken += form.hasUnsayableWord ? "+\n" : "\n";
    }
    result.problems = rules.problemList() + std::to_string(rules.resolvedCount()) + "/" +
                      std::to_string(rules.problemCount());
  }
  result.analyzers = tools->analyzers;
  result.lookups = tools->lookups;
  return result;
}

void BM_SpokenForms(benchmark::State& state, const WordPatterns* patterns, VocabularyLookup::Answers answers) {
  RunResult last;
  for (auto _ : state) {
    last = RunRules(*patterns, answers);
    benchmark::DoNotOptimize(last.spoken.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kItems));
  state.counters["lookups/item"] = static_cast<double>(last.lookups) / kItems;
  state.counters["analyzers/item"] = static_cast<double>(last.analyzers) / kItems;
}

BENCHMARK_CAPTURE(BM_SpokenForms, ExactKept, &kExactWordPatterns, VocabularyLookup::Answers::kKeptForTheRun)
    ->Name("Exact/Kept")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SpokenForms, ExactEveryTime, &kExactWordPatterns, VocabularyLookup::Answers::kAskedEveryTime)
    ->Name("Exact/EveryTime")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SpokenForms, RegexKept, &kRegexPatterns, VocabularyLookup::Answers::kKeptForTheRun)
    ->Name("Regex/Kept")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SpokenForms, RegexEveryTime, &kRegexPatterns, VocabularyLookup::Answers::kAskedEveryTime)
    ->Name("Regex/EveryTime")
    ->Unit(benchmark::kMillisecond);

void PrintRatios(const lexiglean::bench::RateReporter& reporter) {
  const double baseline = reporter.Rate("Regex/EveryTime");
  if (baseline <= 0) return;
  std::printf("\nItems per second and ratio to the naive baseline (std::regex, a lookup per rule application):\n");
  for (const auto& [name, rate] : reporter.Rates()) {
    std::printf("  %-18s %12.0f items/s  %7.1fx%s\n", name.c_str(), rate, rate / baseline,
                name == "Exact/Kept" ? "  (goal >= 10x)" : "");
  }
}

// The four ways must give the same spoken forms, flags, counts and problem list before any speed counts.
bool ResultsAgree() {
  const RunResult exact = RunRules(kExactWordPatterns, VocabularyLookup::Answers::kKeptForTheRun);
  const RunResult baseline = RunRules(kRegexPatterns, VocabularyLookup::Answers::kAskedEveryTime);
  std::printf("%zu items; recogniser lookups per item: %.2f kept for the run, %.2f asked every time\n", kItems,
              static_cast<double>(exact.lookups) / kItems, static_cast<double>(baseline.lookups) / kItems);
  return exact.spoken == baseline.spoken && exact.problems == baseline.problems;
}

}  // namespace

int main(int argc, char** argv) {
  return lexiglean::bench::RunBenchmarks(argc, argv, "items_per_second", ResultsAgree,
                                         "the hand-written and the naive ways disagree", PrintRatios);
}
