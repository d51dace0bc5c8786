#include "documents/word/variant.h"

#include <new>
#include <utility>

#include <oleauto.h>

namespace lexiglean {

Variant::Variant() {
  VariantInit(&value_);
}

Variant::Variant(std::int32_t value) : Variant() {
  value_.vt = VT_I4;
  value_.lVal = value;
}

Variant::Variant(std::u16string_view text) : Variant() {
  const BSTR string =
      SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  if (string == nullptr) throw std::bad_alloc();
  value_.vt = VT_BSTR;
  value_.bstrVal = string;
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) {
  VariantInit(&other.value_);
}

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    clear();
    value_ = other.value_;
    VariantInit(&other.value_);
  }
  return *this;
}

Variant::~Variant() {
  clear();
}

void Variant::clear() {
  VariantClear(&value_);
  VariantInit(&value_);
}

ComRef<IDispatch> Variant::takeObject() {
  if (value_.vt != VT_DISPATCH) return {};
  ComRef<IDispatch> object(value_.pdispVal);  // the value's reference moves to the owner
  VariantInit(&value_);
  return object;
}

namespace {

// VariantChangeType only reads its source, though its declaration here does not say so.
HRESULT ConvertTo(VARIANT& target, const VARIANT& source, VARTYPE type) {
  return VariantChangeType(&target, const_cast<VARIANT*>(&source), 0, type);
}

}  // namespace

std::int32_t Variant::toInt32() const {
  if (value_.vt == VT_I4) return value_.lVal;
  Variant converted;
  if (FAILED(ConvertTo(converted.value_, value_, VT_I4))) return 0;
  return converted.value_.lVal;
}

std::u16string Variant::toText() const {
  const VARIANT* text = &value_;
  Variant converted;
  if (value_.vt != VT_BSTR) {
    if (FAILED(ConvertTo(converted.value_, value_, VT_BSTR))) return {};
    text = &converted.value_;
  }
  if (text->bstrVal == nullptr) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(text->bstrVal), SysStringLen(text->bstrVal));
}

}  // namespace lexiglean
