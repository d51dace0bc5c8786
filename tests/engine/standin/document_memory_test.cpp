// A 64 MB document is analysed (Search Words' calls) and built into the language model, all its pairs
// counted, in a child process whose resident memory may grow by no more than 48 MB: the stand-in keeps distinct words and
// pairs, never every occurrence, and reads plain text in blocks. (Resident, not address space: the
// threads that split a large document reserve address space they never touch.)
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "standin_test_support.h"

namespace lexiglean::standin::testing {
namespace {

constexpr std::size_t kUnits = 1'000'000;

// One of 1000 words: "q" and three letters.
std::string Word(std::size_t n) {
  const auto letter = [](std::size_t digit) { return static_cast<char>('a' + digit % 10); };
  return {'q', letter(n / 100), letter(n / 10), letter(n)};
}

// A "Vm...:" line of /proc/self/status, in kB.
std::uint64_t StatusKilobytes(const std::string& name) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(name + ":")) return std::stoull(line.substr(name.size() + 1));
  }
  return 0;
}

using DocumentMemoryTest = StandinTest;

TEST_F(DocumentMemoryTest, ALargeDocumentIsAnalysedAndModelledInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine, beyond any limit";
#endif
  // 1000 distinct words of their own in lines of 64 bytes, a million lines: 64 MB.
  {
    std::ofstream out(base() / "large.txt", std::ios::binary);
    std::string unit;
    for (std::size_t i = 0; i < kUnits; ++i) {
      unit = "the cat " + Word(i % 1000) + " sat on the mat " + Word(i * 7 % 1000);
      unit.resize(63, ' ');
      out << unit << '\n';
    }
  }
  auto recogniser = Restart();
  auto tools = recogniser.CreateVocabularyTools();
  const pid_t child = fork();
  if (child == 0) {
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
    const std::uint64_t limit = StatusKilobytes("VmRSS") + (std::uint64_t{48} << 10);
    try {
      const std::u16string path = (base() / "large.txt").u16string();
      auto document = tools->get_DocumentLoader()->OpenDocument(path, 0);
      tools->get_WordAnalyzer()->AddWords(document->get_Words());
      const bool searched = document->get_AnalysisCount() == 8 * kUnits &&
                            tools->get_WordAnalyzer()->get_UnknownWords()->get_Count() == 1001;  // q..., on
      auto builder = tools->get_UserVocabulary()->get_LanguageModelBuilder();
      builder->AddDocument(document);
      const bool built = !builder->Build(-1, 0);
      const std::uint64_t peak = StatusKilobytes("VmHWM");
      // Every pair counted once, those across the cuts between the builder's parts too.
      std::uint64_t pairs = 0;
      std::ifstream model(userFolder() / "language-model.tsv");
      for (std::string line; std::getline(model, line);) {
        if (line.find(' ') != std::string::npos) pairs += std::stoull(line.substr(line.find('\t') + 1));
      }
      _exit(searched && built && pairs == 8 * kUnits - 1 ? peak <= limit ? 0 : 3 : 1);
    } catch (...) {
      _exit(2);
    }
  }
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
}  // namespace lexiglean::standin::testing
