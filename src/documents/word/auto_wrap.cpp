#include "platform/text.h"

#include <vector>

#include <windows.h>
#include <oleauto.h>

#include "documents/word/auto_wrap.h"
#include "documents/word/wide_text.h"

namespace lexiglean {

void ShowOwnerlessErrorBox(std::u16string_view text, std::u16string_view caption) {
  MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(caption).c_str(), MB_OK);
}

AutomationFailure::AutomationFailure(std::u16string_view boxText, HRESULT status)
    : std::runtime_error(Utf16ToUtf8(boxText)), status_(status) {}

Automation::Automation(ErrorBox showBox) : showBox_(std::move(showBox)) {}

void Automation::Fail(std::u16string_view text, std::u16string_view caption, HRESULT status) const {
  showBox_(text, caption);
  throw AutomationFailure(text, status);
}

HRESULT Automation::AutoWrapValues(AutomationKind kind, Variant* result, IDispatch* object,
                                   std::u16string_view member, std::span<const Variant> arguments) const {
  const Outcome outcome = InvokeByName(kind, result, object, member, arguments);
  switch (outcome.stage) {
    case Stage::Done: break;
    case Stage::NoObject: Fail(u"NULL IDispatch passed to AutoWrap()", u"AutoWrap Error 1", outcome.status);
    case Stage::Lookup:
      Fail(u"IDispatch::GetIDsOfNames(\"" + std::u16string(member) + u"\") failed w/err 0x" +
               Hex8Text(outcome.status) + u"\n",
           u"AutoWrap Error 2", outcome.status);
    case Stage::Invoke:
      Fail(u"IDispatch::Invoke(\"" + std::u16string(member) + u"\"=" + Hex8Text(outcome.dispatchId) +
               u") failed w/err 0x" + Hex8Text(outcome.status) + u"\n",
           u"AutoWrap Error 3", outcome.status);
  }
  return outcome.status;
}

Automation::Outcome Automation::InvokeByName(AutomationKind kind, Variant* result, IDispatch* object,
                                             std::u16string_view member, std::span<const Variant> arguments) {
  if (object == nullptr) return {Stage::NoObject, E_POINTER, 0};

  std::wstring name = ToWide(member);
  LPOLESTR names[] = {name.data()};
  DISPID dispatchId = 0;
  HRESULT status = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispatchId);
  if (FAILED(status)) return {Stage::Lookup, status, 0};

  // IDispatch wants a writable array; these are shallow copies, the strings stay with `arguments`.
  std::vector<VARIANT> parameters;
  parameters.reserve(arguments.size());
  for (const Variant& argument : arguments) parameters.push_back(argument.raw());

  // A property put names its value; every other call passes its arguments by position only.
  DISPID putValue = DISPID_PROPERTYPUT;
  const bool isPut = kind == AutomationKind::Put;
  DISPPARAMS call{parameters.empty() ? nullptr : parameters.data(), isPut ? &putValue : nullptr,
                  static_cast<UINT>(parameters.size()), isPut ? 1u : 0u};

  if (result != nullptr) result->clear();
  status = object->Invoke(dispatchId, IID_NULL, LOCALE_SYSTEM_DEFAULT, static_cast<WORD>(kind), &call,
                          result != nullptr ? &result->raw() : nullptr, nullptr, nullptr);
  if (FAILED(status)) return {Stage::Invoke, status, dispatchId};
  return {Stage::Done, status, dispatchId};
}

}  // namespace lexiglean
