#include "engine/dragon/variant.h"

#include "engine/dragon/bstr.h"

namespace lexiglean::dragon {

Variant Variant::Text(const std::u16string& text, const Guid& iid) {
  Bstr string(text, iid);
  Variant result;
  result.value_.vt = VT_BSTR;
  result.value_.bstrVal = string.Release();
  return result;
}

Variant Variant::Int32(std::int32_t value) {
  Variant result;
  result.value_.vt = VT_I4;
  result.value_.lVal = value;
  return result;
}

Variant Variant::Dispatch(IDispatch* object) {
  Variant result;
  result.value_.vt = VT_DISPATCH;
  result.value_.pdispVal = object;
  if (object != nullptr) object->AddRef();
  return result;
}

::HRESULT Variant::ConvertTo(VARTYPE type, Variant& result) const {
  // VariantChangeType does not change its source, though it is not declared const.
  return VariantChangeType(result.Receive(), const_cast<VARIANT*>(&value_), 0, type);
}

}  // namespace lexiglean::dragon
