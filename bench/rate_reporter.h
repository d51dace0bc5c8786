#pragma once
// What every benchmark program here shares: the console output plus one rate counter of every
// benchmark (the median with repetitions, else the single run), and a main that checks the ways being
// compared give the same results before anything is timed, then prints the ratios.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lexiglean::bench {

// The name of the benchmark of `what` on n items.
inline std::string SizedName(const char* what, std::size_t n) { return std::string(what) + "/" + std::to_string(n); }

class RateReporter : public benchmark::ConsoleReporter {
 public:
  explicit RateReporter(std::string counter)
      : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular), counter_(std::move(counter)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto rate = run.counters.find(counter_);
      if (run.error_occurred || rate == run.counters.end()) continue;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      const std::string name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate || !medians_.count(name)) rates_[name] = rate->second.value;
      if (run.run_type == Run::RT_Aggregate) medians_[name] = true;
    }
  }

  // The rate of the benchmark of that name; 0 when it did not run.
  double Rate(const std::string& name) const {
    const auto it = rates_.find(name);
    return it == rates_.end() ? 0.0 : it->second;
  }
  const std::map<std::string, double>& Rates() const { return rates_; }
  // Seconds per run of the benchmark "what/n" from its rate of n items per second; 0 when it did not run.
  double SecondsPerRun(const char* what, std::size_t n) const {
    const double rate = Rate(SizedName(what, n));
    return rate > 0 ? static_cast<double>(n) / rate : 0.0;
  }

 private:
  std::string counter_;
  std::map<std::string, double> rates_;
  std::map<std::string, bool> medians_;
};

// a / b; 0 when either did not run.
inline double TimeRatio(double a, double b) { return a > 0 && b > 0 ? a / b : 0.0; }

inline int RunBenchmarks(int argc, char** argv, const std::string& rateCounter, const std::function<bool()>& resultsAgree,
                         const char* disagreement, const std::function<void(const RateReporter&)>& printRatios) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  try {
    if (!resultsAgree()) {
      std::fprintf(stderr, "%s\n", disagreement);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  RateReporter reporter(rateCounter);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  printRatios(reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace lexiglean::bench
