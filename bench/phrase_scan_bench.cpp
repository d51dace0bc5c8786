// Phrase scanning throughput, side by side in one run (MB/s from SetBytesProcessed), and the ratios:
//   Regex/PerLine/Sample     std::regex + std::cregex_iterator per line (the program's old way), on a sample
//   Scanner/PerLine/Sample   the phrase scanner per line, on the same sample
//   Scanner/PerLine          the phrase scanner per line, whole corpus
//   Scanner/Chunks/Sample    the phrase scanner over the same sample as one chunk
//   Scanner/Chunks           the phrase scanner over 1 MiB chunks of whole lines, whole corpus
//   Memchr/Newlines          memchr for '\n' over the whole corpus: the ceiling of any line-based pass
//   EndToEnd/ReadAndScan     reading the corpus file (from disk or the OS cache) in 1 MiB blocks and scanning
//   EndToEnd/PhraseFileScan  the same through ScanPhrasesInFile, as Search Phrases reads a file (words with
//                            letters beyond ASCII blanked out first)
// std::regex takes about a second for 50 MB, so it runs on a sample: 64 slices of 64 KiB of whole lines,
// evenly spread over the corpus (4 MiB). The corpus is bench/corpus/corpus.txt (bench/make-corpus.sh), or
// the file named by LEXIGLEAN_CORPUS.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <locale>
#include <map>
#include <memory>
#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "harvest/phrase_file_scan.h"
#include "harvest/phrase_scanner.h"
#include "rate_reporter.h"

namespace {

using lexiglean::PhraseMatch;

constexpr std::size_t kChunkSize = std::size_t{1} << 20;
constexpr std::size_t kSampleSlices = 64;
constexpr std::size_t kSliceSize = std::size_t{64} << 10;

std::string CorpusPath() {
  const char* path = std::getenv("LEXIGLEAN_CORPUS");
  return path != nullptr && *path != '\0' ? path : LEXIGLEAN_BENCH_CORPUS;
}

const std::string& Corpus() {
  static const std::string corpus = [] {
    std::ifstream in(CorpusPath(), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the corpus " + CorpusPath() + " (run bench/make-corpus.sh)");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }();
  return corpus;
}

// Whole lines from evenly spread slices of the corpus.
const std::string& Sample() {
  static const std::string sample = [] {
    const std::string_view corpus = Corpus();
    std::string result;
    const std::size_t stride = corpus.size() / kSampleSlices;
    for (std::size_t i = 0; i < kSampleSlices; ++i) {
      std::size_t begin = i * stride;
      if (begin != 0) begin = std::min(corpus.find('\n', begin), corpus.size() - 1) + 1;
      std::size_t end = std::min(begin + kSliceSize, corpus.size());
      const std::size_t lastBreak = corpus.rfind('\n', end - 1);
      if (lastBreak != std::string_view::npos && lastBreak >= begin) end = lastBreak + 1;
      result.append(corpus.substr(begin, end - begin));
    }
    return result;
  }();
  return sample;
}

const std::regex& PhraseRegex() {
  static const std::regex regex = [] {
    std::regex re;
    re.imbue(std::locale::classic());
    re.assign(std::string(lexiglean::kPhrasePattern), std::regex::ECMAScript);
    return re;
  }();
  return regex;
}

// Calls onLine(begin, end) for every line of text (without its '\n').
template <class OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end) {
    const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
    const char* lineEnd = found != nullptr ? static_cast<const char*>(found) : end;
    onLine(p, lineEnd);
    p = lineEnd == end ? end : lineEnd + 1;
  }
}

std::size_t RegexPerLine(std::string_view text) {
  std::size_t matched = 0;
  ForEachLine(text, [&](const char* begin, const char* end) {
    for (auto it = std::cregex_iterator(begin, end, PhraseRegex()); it != std::cregex_iterator(); ++it) {
      matched += static_cast<std::size_t>(it->length(0));
    }
  });
  return matched;
}

std::size_t ScannerPerLine(std::string_view text) {
  std::size_t matched = 0;
  ForEachLine(text, [&](const char* begin, const char* end) {
    lexiglean::ForEachPhraseInLine(std::string_view(begin, static_cast<std::size_t>(end - begin)),
                                   [&](const PhraseMatch& m) { matched += m.length; });
  });
  return matched;
}

std::size_t ScanText(std::string_view text) {
  std::size_t matched = 0;
  lexiglean::ForEachPhraseInText(text, [&](const PhraseMatch& m) { matched += m.length; });
  return matched;
}

std::size_t ScannerChunks(std::string_view text) {
  std::size_t matched = 0;
  while (!text.empty()) {
    std::size_t size = std::min(kChunkSize, text.size());
    if (size < text.size()) {
      const std::size_t lastBreak = text.rfind('\n', size - 1);
      size = lastBreak == std::string_view::npos ? text.find('\n', size) : lastBreak + 1;
      size = std::min(size, text.size());
    }
    matched += ScanText(text.substr(0, size));
    text.remove_prefix(size);
  }
  return matched;
}

// Reads the file in blocks and scans the whole lines of each block; a line cut by the block end is kept
// for the next block (the buffer grows for a line longer than a block).
std::size_t ReadAndScan(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) throw std::runtime_error("cannot open " + path);
  std::vector<char> buffer(2 * kChunkSize);
  std::size_t kept = 0;
  std::size_t matched = 0;
  for (;;) {
    if (buffer.size() - kept < kChunkSize) buffer.resize(kept + kChunkSize);
    const std::size_t got = std::fread(buffer.data() + kept, 1, kChunkSize, file.get());
    const std::size_t filled = kept + got;
    if (got == 0) {
      matched += ScanText(std::string_view(buffer.data(), filled));
      return matched;
    }
    const std::string_view block(buffer.data(), filled);
    const std::size_t lastBreak = block.rfind('\n');
    const std::size_t whole = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
    matched += ScanText(block.substr(0, whole));
    kept = filled - whole;
    std::memmove(buffer.data(), buffer.data() + whole, kept);
  }
}

std::size_t CountNewlines(std::string_view text) {
  std::size_t lines = 0;
  ForEachLine(text, [&](const char*, const char*) { ++lines; });
  return lines;
}

template <class Pass>
void Run(benchmark::State& state, std::string_view text, Pass pass) {
  std::size_t result = 0;
  for (auto _ : state) {
    result = pass(text);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
  state.counters["MiB"] = static_cast<double>(text.size()) / (1 << 20);
}

void BM_RegexPerLineSample(benchmark::State& state) { Run(state, Sample(), RegexPerLine); }
void BM_ScannerPerLineSample(benchmark::State& state) { Run(state, Sample(), ScannerPerLine); }
void BM_ScannerChunksSample(benchmark::State& state) { Run(state, Sample(), ScannerChunks); }
void BM_ScannerPerLine(benchmark::State& state) { Run(state, Corpus(), ScannerPerLine); }
void BM_ScannerChunks(benchmark::State& state) { Run(state, Corpus(), ScannerChunks); }
void BM_MemchrNewlines(benchmark::State& state) { Run(state, Corpus(), CountNewlines); }
void BM_EndToEndReadAndScan(benchmark::State& state) {
  const std::string path = CorpusPath();
  Run(state, Corpus(), [&](std::string_view) { return ReadAndScan(path); });
}
// What Search Phrases runs on a file: blocks, long lines in parts, words with letters beyond ASCII
// blanked out, then the scanner.
void BM_EndToEndPhraseFileScan(benchmark::State& state) {
  const std::string path = CorpusPath();
  Run(state, Corpus(), [&](std::string_view) {
    std::ifstream file(path, std::ios::binary);
    std::size_t matched = 0;
    lexiglean::ScanPhrasesInFile(file, [&](std::string_view phrase) { matched += phrase.size(); });
    return matched;
  });
}

BENCHMARK(BM_RegexPerLineSample)->Name("Regex/PerLine/Sample")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScannerPerLineSample)->Name("Scanner/PerLine/Sample")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScannerChunksSample)->Name("Scanner/Chunks/Sample")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScannerPerLine)->Name("Scanner/PerLine")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScannerChunks)->Name("Scanner/Chunks")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemchrNewlines)->Name("Memchr/Newlines")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndToEndReadAndScan)->Name("EndToEnd/ReadAndScan")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndToEndPhraseFileScan)->Name("EndToEnd/PhraseFileScan")->Unit(benchmark::kMillisecond);

// Throughput of every pass and its ratio to std::regex per line.
void PrintRatios(const lexiglean::bench::RateReporter& reporter) {
  const double regex = reporter.Rate("Regex/PerLine/Sample");
  if (regex <= 0) return;
  std::printf("\nThroughput (MB/s, 1 MB = 10^6 bytes) and ratio to std::regex per line:\n");
  for (const auto& [name, rate] : reporter.Rates()) {
    std::printf("  %-24s %9.1f MB/s  %7.1fx\n", name.c_str(), rate / 1e6, rate / regex);
  }
  const auto line = [&](const char* what, const char* name, const char* goal) {
    const double rate = reporter.Rate(name);
    if (rate > 0) std::printf("  %-48s %7.1fx  %s\n", what, rate / regex, goal);
  };
  std::printf("Ratios to std::regex per line (on the sample):\n");
  line("scanner over chunks, whole corpus / regex", "Scanner/Chunks", "(goal >= 40x)");
  line("scanner over chunks, same sample / regex", "Scanner/Chunks/Sample", "(goal >= 40x)");
  line("end to end (read file + scan) / regex", "EndToEnd/ReadAndScan", "(goal >= 20x)");
  line("end to end as Search Phrases reads a file / regex", "EndToEnd/PhraseFileScan", "");
  line("scanner per line, same sample / regex", "Scanner/PerLine/Sample", "");
  if (reporter.Rate("Memchr/Newlines") > 0 && reporter.Rate("Scanner/Chunks") > 0) {
    std::printf("  %-48s %7.2f\n", "scanner over chunks / memchr ceiling (1.00 = ceiling)",
                reporter.Rate("Scanner/Chunks") / reporter.Rate("Memchr/Newlines"));
  }
}

// The scanner and the regex must agree on the sample, and chunks with lines on the whole corpus, before
// any speed counts.
bool ResultsAgree() {
  const std::size_t regex = RegexPerLine(Sample());
  const std::size_t scanner = ScannerPerLine(Sample());
  const std::size_t perLine = ScannerPerLine(Corpus());
  const std::size_t chunks = ScannerChunks(Corpus());
  const std::size_t endToEnd = ReadAndScan(CorpusPath());
  std::printf("corpus %s: %.1f MB, sample %.1f MB; matched bytes: sample regex %zu, scanner %zu; corpus per line %zu, "
              "chunks %zu, end to end %zu\n",
              CorpusPath().c_str(), Corpus().size() / 1e6, Sample().size() / 1e6, regex, scanner, perLine, chunks,
              endToEnd);
  return regex == scanner && perLine == chunks && chunks == endToEnd;
}

}  // namespace

int main(int argc, char** argv) {
  return lexiglean::bench::RunBenchmarks(argc, argv, "bytes_per_second", ResultsAgree, "the passes disagree on the matches",
                                         PrintRatios);
}
