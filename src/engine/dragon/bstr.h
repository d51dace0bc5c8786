#pragma once
// An owned BSTR, made from and read back into the program's UTF-16 text.
#include <string>
#include <utility>

#include "engine/dragon/windows_com.h"

namespace lexiglean::dragon {

class Bstr {
 public:
  Bstr() = default;
  // Throws ComError{E_OUTOFMEMORY, iid} when the system cannot allocate the string.
  Bstr(const std::u16string& text, const Guid& iid);
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  Bstr& operator=(Bstr&& other) noexcept {
    std::swap(text_, other.text_);
    return *this;
  }
  ~Bstr() { SysFreeString(text_); }

  BSTR Get() const { return text_; }
  // For out-parameters: frees the current string and hands out the slot for a new one.
  BSTR* Receive() {
    SysFreeString(std::exchange(text_, nullptr));
    return &text_;
  }
  // Hands the string over to a VARIANT or an out-parameter that frees it.
  BSTR Release() { return std::exchange(text_, nullptr); }

  std::u16string Text() const { return TextOf(text_); }
  // A null BSTR reads as the empty text.
  static std::u16string TextOf(BSTR text);

 private:
  BSTR text_ = nullptr;
};

}  // namespace lexiglean::dragon
