#pragma once
// An owned reference to a COM interface: released when the owner goes.
#include <utility>

namespace lexiglean {

template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  // Takes over one reference that the caller already holds.
  explicit ComRef(Interface* adopted) : pointer_(adopted) {}
  ComRef(ComRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() { reset(); }

  Interface* get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // Lets go of the reference held, then gives the slot for an out-parameter to fill.
  Interface** out() {
    reset();
    return &pointer_;
  }

  void reset() {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace lexiglean
