#include "documents/standin/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace lexiglean {
namespace {

class SpawnFileActions {
 public:
  SpawnFileActions() { ok_ = posix_spawn_file_actions_init(&actions_) == 0; }
  ~SpawnFileActions() {
    if (ok_) posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnFileActions(const SpawnFileActions&) = delete;
  SpawnFileActions& operator=(const SpawnFileActions&) = delete;

  bool NullStandardStreams() {
    return ok_ && posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0) == 0 &&
           posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0) == 0 &&
           posix_spawn_file_actions_adddup2(&actions_, STDOUT_FILENO, STDERR_FILENO) == 0;
  }
  const posix_spawn_file_actions_t* get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
  bool ok_ = false;
};

class SpawnAttributes {
 public:
  SpawnAttributes() { ok_ = posix_spawnattr_init(&attributes_) == 0; }
  ~SpawnAttributes() {
    if (ok_) posix_spawnattr_destroy(&attributes_);
  }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;

  // A new process group, no blocked signals, every signal at its default action.
  bool OwnGroupDefaultSignals() {
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    return ok_ && posix_spawnattr_setpgroup(&attributes_, 0) == 0 &&
           posix_spawnattr_setsigmask(&attributes_, &none) == 0 &&
           posix_spawnattr_setsigdefault(&attributes_, &all) == 0 &&
           posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                                      POSIX_SPAWN_SETSIGDEF) == 0;
  }
  const posix_spawnattr_t* get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
  bool ok_ = false;
};

// A started child: whatever happens, its group is killed and the child reaped before this ends.
class ChildGroup {
 public:
  explicit ChildGroup(pid_t pid) : pid_(pid) {}
  ~ChildGroup() {
    if (!reaped_) Reap();
  }
  ChildGroup(const ChildGroup&) = delete;
  ChildGroup& operator=(const ChildGroup&) = delete;

  // True once the child has ended; it stays unreaped, so its group id cannot be reused yet.
  bool HasEnded() const {
    siginfo_t info{};
    while (waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
      if (errno != EINTR) return true;  // no such child: nothing left to wait for
    }
    return info.si_pid != 0;
  }

  // Kills what is left of the group and collects the child's status.
  int Reap() {
    kill(-pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    return status;
  }

 private:
  pid_t pid_;
  bool reaped_ = false;
};

}  // namespace

ProcessOutcome RunProcess(const std::vector<std::string>& arguments, std::chrono::milliseconds timeLimit) {
  if (arguments.empty()) return {};
  std::vector<std::string> owned = arguments;
  std::vector<char*> argv;
  for (std::string& argument : owned) argv.push_back(argument.data());
  argv.push_back(nullptr);

  SpawnFileActions actions;
  SpawnAttributes attributes;
  if (!actions.NullStandardStreams() || !attributes.OwnGroupDefaultSignals()) return {};
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], actions.get(), attributes.get(), argv.data(), environ) != 0) return {};

  ChildGroup child(pid);
  const auto deadline = std::chrono::steady_clock::now() + timeLimit;
  bool ended = child.HasEnded();
  while (!ended && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ended = child.HasEnded();
  }
  const int status = child.Reap();
  if (!ended) return {ProcessOutcome::Kind::TimedOut, 0};
  if (WIFEXITED(status)) return {ProcessOutcome::Kind::Exited, WEXITSTATUS(status)};
  return {ProcessOutcome::Kind::Killed, 0};
}

}  // namespace lexiglean
