// A 64 MB document is analysed (Search Words' calls) and built into the language model in a child
// process whose address space may grow by no more than 48 MB: the stand-in keeps distinct words and
// pairs, never every occurrence, and reads plain text in blocks.
#include <sys/resource.h>
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

std::uint64_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  std::uint64_t pages = 0;
  statm >> pages;
  return pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

using DocumentMemoryTest = StandinTest;

TEST_F(DocumentMemoryTest, ALargeDocumentIsAnalysedAndModelledInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
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
    const std::uint64_t limit = AddressSpaceInUse() + (std::uint64_t{48} << 20);
    const rlimit asLimit{limit, limit};
    setrlimit(RLIMIT_AS, &asLimit);
    try {
      const std::u16string path = (base() / "large.txt").u16string();
      auto document = tools->get_DocumentLoader()->OpenDocument(path, 0);
      tools->get_WordAnalyzer()->AddWords(document->get_Words());
      const bool searched = document->get_AnalysisCount() == 8 * kUnits &&
                            tools->get_WordAnalyzer()->get_UnknownWords()->get_Count() == 1001;  // q..., on
      auto builder = tools->get_UserVocabulary()->get_LanguageModelBuilder();
      builder->AddDocument(document);
      _exit(searched && !builder->Build(-1, 0) ? 0 : 1);
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
