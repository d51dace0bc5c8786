#pragma once
// An owned VARIANT: cleared on destruction, with the few kinds of value the binding passes.
#include <cstdint>
#include <string>
#include <utility>

#include "engine/dragon/windows_com.h"

namespace lexiglean::dragon {

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
  Variant& operator=(Variant&& other) noexcept {
    std::swap(value_, other.value_);
    return *this;
  }
  ~Variant() { VariantClear(&value_); }

  // Throws ComError{E_OUTOFMEMORY, iid} when the string cannot be made.
  static Variant Text(const std::u16string& text, const Guid& iid);
  static Variant Int32(std::int32_t value);
  // Adds a reference of its own to the object.
  static Variant Dispatch(IDispatch* object);

  const VARIANT& Get() const { return value_; }
  VARIANT* Receive() {
    VariantClear(&value_);
    return &value_;
  }

  // This value converted to another type: the HRESULT of VariantChangeType, and the result.
  ::HRESULT ConvertTo(VARTYPE type, Variant& result) const;

 private:
  VARIANT value_;
};

}  // namespace lexiglean::dragon
