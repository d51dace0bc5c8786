#pragma once
// Work run in a child process of its own, for figures of one run alone: wall time and the child's peak
// resident memory (ru_maxrss, which counts the parent's pages the child still shares).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>

namespace lexiglean::bench {

struct ChildRun {
  double seconds = 0;
  double peakMb = 0;
  bool ok = false;
};

// Waits for the child started at `start` and takes its figures.
inline ChildRun Waited(pid_t child, std::chrono::steady_clock::time_point start) {
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  ChildRun run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

// Runs the work in a child process of its own; exit status 0 when it did what it should.
inline ChildRun InChild(const std::function<bool()>& work) {
  std::fflush(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    bool ok = false;
    try {
      ok = work();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s\n", e.what());
    } catch (...) {
      std::fprintf(stderr, "failed\n");
    }
    std::fflush(nullptr);
    _exit(ok ? 0 : 1);
  }
  return Waited(child, start);
}

}  // namespace lexiglean::bench
