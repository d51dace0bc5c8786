// The guard on POSIX systems: an exclusive lock on a file in the user's runtime folder (or the temp
// folder). The lock dies with the process, so a crashed copy never blocks the next start.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/single_instance.h"
#include "platform/text.h"

namespace lexiglean {

struct SingleInstanceGuard::Handle {
  int fd = -1;
  ~Handle() {
    if (fd >= 0) close(fd);
  }
};

SingleInstanceGuard::SingleInstanceGuard(const std::u16string& name) : handle_(std::make_unique<Handle>()) {
  const char* folder = std::getenv("XDG_RUNTIME_DIR");
  if (folder == nullptr || *folder == '\0') folder = std::getenv("TMPDIR");
  if (folder == nullptr || *folder == '\0') folder = "/tmp";
  const std::string path = std::string(folder) + "/lexiglean-" + std::to_string(getuid()) + "-" +
                           Utf16ToUtf8(name) + ".lock";
  handle_->fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  // A lock file that cannot be made does not stop the program: the guard then guards nothing.
  if (handle_->fd >= 0 && flock(handle_->fd, LOCK_EX | LOCK_NB) != 0) alreadyRunning_ = true;
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

}  // namespace lexiglean
