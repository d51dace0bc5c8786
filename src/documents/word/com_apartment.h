#pragma once
// The calling thread's single-threaded COM apartment, entered for the owner's lifetime.
#include <objbase.h>

namespace lexiglean {

class ComApartment {
 public:
  // A thread already in another apartment stays there; COM calls then still work, and nothing is left.
  ComApartment() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (entered_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool entered_;
};

}  // namespace lexiglean
