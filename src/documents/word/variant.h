#pragma once
// An owned automation value (VARIANT): cleared, with any string or object it holds, when the owner goes.
#include <cstdint>
#include <string>
#include <string_view>

#include <windows.h>
#include <oleauto.h>

#include "documents/word/com_ref.h"

namespace lexiglean {

class Variant {
 public:
  Variant();  // empty
  explicit Variant(std::int32_t value);
  // The text as an automation string allocated for this value. Throws std::bad_alloc when none is left.
  explicit Variant(std::u16string_view text);
  Variant(Variant&& other) noexcept;
  Variant& operator=(Variant&& other) noexcept;
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant();

  VARIANT& raw() { return value_; }
  const VARIANT& raw() const { return value_; }

  // Frees what the value holds and leaves it empty.
  void clear();

  // The object the value refers to, taken over from it; null when it holds no object.
  ComRef<IDispatch> takeObject();
  // The value as a 32-bit integer; 0 when it is not one and cannot be read as one.
  std::int32_t toInt32() const;
  // The value as text; empty when it is not text and cannot be read as text.
  std::u16string toText() const;

 private:
  VARIANT value_;
};

}  // namespace lexiglean
