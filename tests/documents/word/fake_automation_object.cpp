#include "documents/word/wide_text.h"
#include "fake_automation_object.h"

namespace lexiglean::testing {
namespace {

std::u16string Rendered(const VARIANT& value) {
  switch (value.vt) {
    case VT_I4: return FromWide(std::to_wstring(value.lVal));
    case VT_BSTR: {
      std::u16string quoted(1, u'"');
      quoted.append(FromWide({value.bstrVal, SysStringLen(value.bstrVal)}));
      quoted.push_back(u'"');
      return quoted;
    }
    default: return u"vt=" + FromWide(std::to_wstring(value.vt));
  }
}

}  // namespace

void FakeAutomationObject::answer(const std::u16string& member, Answer value, DISPID id) {
  for (auto& [known, existing] : members_) {
    if (existing.name == member) return void(existing.value = std::move(value));
  }
  members_[id != 0 ? id : static_cast<DISPID>(0x60020000 + members_.size())] = {member, std::move(value)};
}

HRESULT FakeAutomationObject::QueryInterface(REFIID iid, void** object) {
  if (iid != IID_IUnknown && iid != IID_IDispatch) return *object = nullptr, E_NOINTERFACE;
  *object = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

HRESULT FakeAutomationObject::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT FakeAutomationObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) {
  lastLookupLocale_ = locale;
  for (const auto& [id, member] : members_) {
    if (count == 1 && member.name == FromWide(names[0])) return *ids = id, S_OK;
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT FakeAutomationObject::Invoke(DISPID id, REFIID, LCID locale, WORD kind, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO*, UINT*) {
  const Member& member = members_.at(id);
  RecordedCall& call = log_.emplace_back();
  call.call = name_ + u"." + member.name;
  call.kind = kind;
  for (UINT i = 0; i < parameters->cArgs; ++i) call.arguments.push_back(Rendered(parameters->rgvarg[i]));
  call.named.assign(parameters->rgdispidNamedArgs, parameters->rgdispidNamedArgs + parameters->cNamedArgs);
  call.lookupLocale = lastLookupLocale_;
  call.invokeLocale = locale;
  call.resultWasEmpty = result != nullptr && result->vt == VT_EMPTY;

  if (const auto failure = failures_.find(member.name); failure != failures_.end()) return failure->second;
  if (result == nullptr) return S_OK;
  if (const auto* number = std::get_if<std::int32_t>(&member.value)) {
    result->vt = VT_I4;
    result->lVal = *number;
  } else if (const auto* text = std::get_if<std::u16string>(&member.value)) {
    result->vt = VT_BSTR;
    result->bstrVal = SysAllocString(ToWide(*text).c_str());
  } else if (auto* const* object = std::get_if<FakeAutomationObject*>(&member.value)) {
    (*object)->AddRef();
    result->vt = VT_DISPATCH;
    result->pdispVal = *object;
  }
  return S_OK;
}

}  // namespace lexiglean::testing
