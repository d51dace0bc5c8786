#include "engine/dragon/interface_ref.h"

namespace lexiglean::dragon {

std::u16string InterfaceRef::InvokeForText(const std::u16string& name, const std::vector<Variant>& arguments) const {
  const Variant result = Invoke(name, arguments);
  Variant text;
  if (const ::HRESULT hr = result.ConvertTo(VT_BSTR, text); FAILED(hr)) throw ComError(hr, iid_);
  return Bstr::TextOf(text.Get().bstrVal);
}

ComPtr<IDispatch> InterfaceRef::InvokeForObject(const std::u16string& name, const std::vector<Variant>& arguments,
                                                const Guid& resultIid) const {
  const Variant result = Invoke(name, arguments);
  if (result.Get().vt == VT_EMPTY || result.Get().vt == VT_NULL) throw ComError(E_POINTER, iid_);
  Variant object;
  if (const ::HRESULT hr = result.ConvertTo(VT_UNKNOWN, object); FAILED(hr)) throw ComError(hr, iid_);
  if (object.Get().punkVal == nullptr) throw ComError(E_POINTER, iid_);
  ComPtr<IDispatch> typed;
  if (const ::HRESULT hr = object.Get().punkVal->QueryInterface(ToGUID(resultIid), typed.ReceiveVoid()); FAILED(hr)) {
    throw ComError(hr, resultIid);
  }
  if (!typed) throw ComError(E_POINTER, resultIid);
  return typed;
}

}  // namespace lexiglean::dragon
