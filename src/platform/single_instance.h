#pragma once
// Refuses a second copy of the program for the same logged-on user. Held for the guard's lifetime.
#include <memory>
#include <string>

namespace lexiglean {

inline constexpr char16_t kSingleInstanceName[] = u"{6B016717-DBFF-476B-861D-5EC12534B3C2}";

class SingleInstanceGuard {
 public:
  // Takes the guard named name. AlreadyRunning() tells whether another copy holds it.
  explicit SingleInstanceGuard(const std::u16string& name = kSingleInstanceName);
  ~SingleInstanceGuard();
  SingleInstanceGuard(const SingleInstanceGuard&) = delete;
  SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

  bool AlreadyRunning() const { return alreadyRunning_; }

 private:
  struct Handle;
  std::unique_ptr<Handle> handle_;
  bool alreadyRunning_ = false;
};

}  // namespace lexiglean
