// A 200 MB line without line ends, and a 200 MB UTF-16 file, are searched in a child process whose
// address space may grow by no more than 96 MB.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <istream>
#include <streambuf>
#include <string>

#include "harvest/phrase_file_scan.h"

namespace lexiglean {
namespace {

constexpr std::uint64_t kSize = std::uint64_t{200} << 20;

// The bytes of `unit` repeated in blocks until at least kSize bytes, after `head`, made as they are read.
class RepeatingText : public std::streambuf {
 public:
  RepeatingText(std::string head, std::string unit) : head_(std::move(head)), unit_(std::move(unit)) {
    while (block_.size() < (1u << 16)) block_ += unit_;
    block_.resize(block_.size() - block_.size() % unit_.size());
  }

 // How many times the unit comes.
  std::uint64_t Units() const { return (kSize + block_.size() - 1) / block_.size() * (block_.size() / unit_.size()); }

 protected:
  int_type underflow() override {
    if (!head_.empty()) {
      current_ = std::exchange(head_, {});
    } else {
      if (produced_ >= kSize) return traits_type::eof();
      current_ = block_;
      produced_ += block_.size();
    }
    setg(current_.data(), current_.data(), current_.data() + current_.size());
    return traits_type::to_int_type(current_[0]);
  }

 private:
  std::string head_, unit_, block_, current_;
  std::uint64_t produced_ = 0;
};

std::uint64_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  std::uint64_t pages = 0;
  statm >> pages;
  return pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

// Runs the search in a child under the limit; its exit status is 0 when every phrase was found.
int SearchUnderLimit(RepeatingText& text) {
  const std::uint64_t expectedPhrases = text.Units();
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit{AddressSpaceInUse() + (std::uint64_t{96} << 20), AddressSpaceInUse() + (std::uint64_t{96} << 20)};
    setrlimit(RLIMIT_AS, &limit);
    try {
      std::istream file(&text);
      std::uint64_t phrases = 0;
      const bool read = ScanPhrasesInFile(file, [&](std::string_view) { ++phrases; });
      _exit(read && phrases == expectedPhrases ? 0 : 1);
    } catch (...) {
      _exit(2);
    }
  }
  int status = -1;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(PhraseFileScanMemoryTest, ALongLineAndAUtf16FileAreSearchedInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
#endif
  const std::string unit = "Alpha beta Gamma, ";
  RepeatingText line("", unit);
  EXPECT_EQ(SearchUnderLimit(line), 0);
  std::string utf16Unit;
  for (const char c : unit + "\r\n") utf16Unit += {c, '\0'};
  RepeatingText utf16("\xFF\xFE", utf16Unit);
  EXPECT_EQ(SearchUnderLimit(utf16), 0);
}

}  // namespace
}  // namespace lexiglean
