#include "engine/dragon/com_failure.h"

#include "engine/dragon/bstr.h"
#include "engine/dragon/com_ptr.h"

namespace lexiglean::dragon {

std::u16string ErrorDescription(IUnknown* object, const Guid& iid) {
  if (object != nullptr) {
    ComPtr<ISupportErrorInfo> support;
    if (SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, support.ReceiveVoid())) && support &&
        support->InterfaceSupportsErrorInfo(ToGUID(iid)) != S_OK) {
      return {};
    }
  }
  ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.Receive()) != S_OK || !info) return {};
  Bstr description;
  const ::HRESULT read = info->GetDescription(description.Receive());
  SetErrorInfo(0, info.Get());
  return SUCCEEDED(read) ? description.Text() : std::u16string();
}

void ThrowComError(::HRESULT hr, IUnknown* object, const Guid& iid) {
  throw ComError(hr, iid, ErrorDescription(object, iid));
}

}  // namespace lexiglean::dragon
