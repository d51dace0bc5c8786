#include "platform/case_insensitive.h"

#include <new>

#include "com_servers/word_processor/automation_object.h"
#include "com_servers/word_processor/server_lifetime.h"

namespace lexiglean::word_server {
namespace {

// An optional argument that the caller left out.
bool IsMissing(const VARIANT& value) { return value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND; }

constexpr wchar_t kSource[] = L"Lexiglean stand-in word processor";

HRESULT Raise(const AutomationError& error, EXCEPINFO* exception, UINT* argumentError) {
  if (error.status == DISP_E_TYPEMISMATCH && argumentError != nullptr) *argumentError = error.argument;
  if (error.description.empty()) return error.status;
  if (exception != nullptr) {
    *exception = EXCEPINFO{};
    exception->bstrSource = SysAllocString(kSource);
    exception->bstrDescription = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(error.description.data()),
                                                   static_cast<UINT>(error.description.size()));
    exception->scode = error.status;
  }
  return DISP_E_EXCEPTION;
}

// The property put's value is the only named argument; no other call takes named arguments.
bool NamedArgumentsFit(WORD kind, const DISPPARAMS& parameters) {
  if ((kind & DISPATCH_PROPERTYPUT) == 0) return parameters.cNamedArgs == 0;
  return parameters.cNamedArgs == 1 && parameters.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
}

}  // namespace

CallArguments::CallArguments(const DISPPARAMS& parameters) : parameters_(parameters), count_(parameters.cArgs) {
  while (count_ > 0 && IsMissing(at(count_ - 1))) --count_;
}

VARIANT CallArguments::converted(std::size_t position, VARTYPE type) const {
  VARIANT value;
  VariantInit(&value);
  const HRESULT status = VariantChangeType(&value, const_cast<VARIANT*>(&at(position)), 0, type);
  if (status == E_OUTOFMEMORY) throw std::bad_alloc();
  if (FAILED(status)) {
    throw AutomationError{DISP_E_TYPEMISMATCH, {}, static_cast<UINT>(parameters_.cArgs - 1 - position)};
  }
  return value;
}

std::int32_t CallArguments::integer(std::size_t position) const { return converted(position, VT_I4).lVal; }

std::u16string CallArguments::text(std::size_t position) const {
  VARIANT value = converted(position, VT_BSTR);
  std::u16string text(reinterpret_cast<const char16_t*>(value.bstrVal), SysStringLen(value.bstrVal));
  VariantClear(&value);
  return text;
}

AutomationObject::AutomationObject(std::vector<Member> members) : members_(std::move(members)) { HoldServer(); }

AutomationObject::~AutomationObject() { ReleaseServer(); }

HRESULT AutomationObject::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid != IID_IUnknown && iid != IID_IDispatch) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

ULONG AutomationObject::AddRef() { return ++references_; }

ULONG AutomationObject::Release() {
  const ULONG left = --references_;
  if (left == 0) std::unique_ptr<AutomationObject> last(this);  // owned by its references: gone with the last
  return left;
}

HRESULT AutomationObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AutomationObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT AutomationObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
  // Members take no named arguments, so only the first name can be known.
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  const std::u16string_view name(reinterpret_cast<const char16_t*>(names[0]));
  for (std::size_t index = 0; index < members_.size(); ++index) {
    if (EqualIgnoringCase(members_[index].name, name)) {
      ids[0] = static_cast<DISPID>(index + 1);
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT AutomationObject::Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* parameters, VARIANT* result,
                                 EXCEPINFO* exception, UINT* argumentError) {
  if (id < 1 || static_cast<std::size_t>(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
  const Member& member = members_[static_cast<std::size_t>(id) - 1];
  if ((kind & member.kinds) == 0) return DISP_E_MEMBERNOTFOUND;
  if (parameters == nullptr) return E_INVALIDARG;
  if (!NamedArgumentsFit(kind, *parameters)) return DISP_E_NONAMEDARGS;
  const CallArguments arguments(*parameters);
  if (arguments.count() < member.fewestArguments || arguments.count() > member.mostArguments) {
    return DISP_E_BADPARAMCOUNT;
  }
  VARIANT value;
  VariantInit(&value);
  try {
    member.run(arguments, value);
  } catch (const AutomationError& error) {
    VariantClear(&value);
    return Raise(error, exception, argumentError);
  } catch (const std::bad_alloc&) {
    VariantClear(&value);
    return E_OUTOFMEMORY;
  }
  if (result != nullptr) {
    *result = value;  // the caller owns what the value holds
  } else {
    VariantClear(&value);
  }
  return S_OK;
}

void ReturnObject(VARIANT& result, std::unique_ptr<AutomationObject> object) {
  result.vt = VT_DISPATCH;
  result.pdispVal = object.release();  // its one reference goes with it
}

}  // namespace lexiglean::word_server
