#pragma once
// Runs a program with an argument vector (no shell) and a time limit.
#include <chrono>
#include <string>
#include <vector>

namespace lexiglean {

struct ProcessOutcome {
  enum class Kind { Exited, Killed, TimedOut, NotStarted };
  Kind kind = Kind::NotStarted;
  int exitCode = 0;  // when Exited
};

// arguments[0] is the program's path. Standard input, output and error are the null device.
// The program runs in a process group of its own; when the time limit passes, or after the
// program has ended, the whole group is killed, so no helper it started outlives it.
ProcessOutcome RunProcess(const std::vector<std::string>& arguments, std::chrono::milliseconds timeLimit);

}  // namespace lexiglean
