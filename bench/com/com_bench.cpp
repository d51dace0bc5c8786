// The recogniser through real COM (Windows; bench/run-com-bench.sh runs it under Wine in the prefixes
// of tools/wine-standins.sh, the server in process and as a local server), in one run:
//   - recogniser calls per second (CALLS LookupWord and get_Flags pairs through the program's binding);
//   - Create Spoken Forms' rules on ITEMS generated written forms, asking the recogniser once per rule
//     application (as the rules read) against keeping each distinct text's answer for the run (the
//     program's way), as a ratio; both must give the same spoken forms.
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "engine/dragon/dragon_recogniser.h"
#include "platform/text.h"
#include "spoken/spoken_form_rules.h"
#include "written_forms.h"

#include "engine/dragon/windows_com.h"

namespace lexiglean {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

struct RulesRun {
  std::string spoken;
  double seconds = 0;
};

RulesRun RunRules(const std::shared_ptr<IVocabularyTools>& tools, const std::vector<std::string>& forms,
                  VocabularyLookup::Answers answers) {
  RulesRun run;
  const auto start = Clock::now();
  VocabularyLookup vocabulary(tools, answers);
  SpokenFormRules rules(vocabulary);
  for (const std::string& written : forms) run.spoken += rules.SpeakWrittenForm(written).spoken + '\n';
  run.seconds = SecondsSince(start);
  return run;
}

int Measure(const char* dictionary, std::size_t items, int calls) {
  dragon::DragonRecogniser recogniser;
  const std::shared_ptr<IVocabularyTools> tools = recogniser.CreateVocabularyTools();
  tools->Initialize(u"", u"");
  const std::vector<std::string> forms = bench::GeneratedWrittenForms(items, dictionary);

  const std::shared_ptr<IWordAnalyzer> analyzer = tools->get_WordAnalyzer();
  analyzer->LookupWord(u"warm", u"");  // the server reads its word list before any timing
  auto start = Clock::now();
  for (int i = 0; i < calls; ++i) analyzer->LookupWord(Utf8ToUtf16(forms[i % forms.size()]), u"")->get_Flags();
  const double callSeconds = SecondsSince(start);
  std::printf("recogniser calls: %.0f per second (%d LookupWord and get_Flags pairs in %.2f s)\n",
              2 * calls / callSeconds, calls, callSeconds);
  std::fflush(stdout);

  const RulesRun kept = RunRules(tools, forms, VocabularyLookup::Answers::kKeptForTheRun);
  const RulesRun everyTime = RunRules(tools, forms, VocabularyLookup::Answers::kAskedEveryTime);
  std::printf("Create Spoken Forms' rules on %zu items: %.2f s asking per rule application, %.2f s with the "
              "answers kept: %.1fx\n",
              forms.size(), everyTime.seconds, kept.seconds, everyTime.seconds / kept.seconds);
  tools->Uninitialize();
  if (kept.spoken != everyTime.spoken) {
    std::printf("the two ways gave different spoken forms\n");
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace lexiglean

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: com_bench DICTIONARY ITEMS CALLS\n");
    return 2;
  }
  if (FAILED(CoInitialize(nullptr))) return 1;
  int status = 1;
  try {
    status = lexiglean::Measure(argv[1], std::stoul(argv[2]), std::stoi(argv[3]));
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "failed: %s\n", failure.what());
  }
  CoUninitialize();
  return status;
}
