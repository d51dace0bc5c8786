#include "engine/dragon/late_binding.h"

#include "engine/dragon/bstr.h"
#include "engine/dragon/com_failure.h"

namespace lexiglean::dragon {
namespace {

// Exception information a server fills in; frees its strings.
struct ExceptionInfo : EXCEPINFO {
  ExceptionInfo() : EXCEPINFO{} {}
  ExceptionInfo(const ExceptionInfo&) = delete;
  ExceptionInfo& operator=(const ExceptionInfo&) = delete;
  ~ExceptionInfo() {
    SysFreeString(bstrSource);
    SysFreeString(bstrDescription);
    SysFreeString(bstrHelpFile);
  }

  ::HRESULT Code() const {
    if (scode != 0) return scode;
    if (wCode != 0) return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x200 + wCode);
    return DISP_E_EXCEPTION;
  }
};

}  // namespace

Variant InvokeByName(IDispatch* object, const Guid& iid, const std::u16string& name,
                     const std::vector<Variant>& arguments) {
  if (object == nullptr) throw ComError(E_POINTER, iid);
  std::u16string nameText = name;
  LPOLESTR names[] = {reinterpret_cast<LPOLESTR>(nameText.data())};
  DISPID id = DISPID_UNKNOWN;
  ThrowIfFailed(object->GetIDsOfNames(::GUID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), object, iid);

  // DISPPARAMS takes the arguments last to first; the copies share the Variants' contents.
  std::vector<VARIANTARG> reversed;
  reversed.reserve(arguments.size());
  for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
    reversed.push_back(argument->Get());
  }
  DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  Variant result;
  ExceptionInfo exception;
  UINT argumentError = 0;
  const ::HRESULT hr = object->Invoke(id, ::GUID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                                      result.Receive(), &exception, &argumentError);
  if (hr == DISP_E_EXCEPTION) {
    if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
    throw ComError(exception.Code(), iid, Bstr::TextOf(exception.bstrDescription));
  }
  ThrowIfFailed(hr, object, iid);
  return result;
}

}  // namespace lexiglean::dragon
