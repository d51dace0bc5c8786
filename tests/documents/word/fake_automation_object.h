#pragma once
// A scripted automation object for the tests: answers the members it is given, records every lookup
// and call in a log shared by a whole object graph, and fails the members it is told to fail.
#include <map>
#include <string>
#include <variant>
#include <vector>

#include <windows.h>
#include <oleauto.h>

namespace lexiglean::testing {

struct RecordedCall {
  std::u16string call;                    // "object.Member"
  WORD kind = 0;                          // DISPATCH_METHOD, _PROPERTYGET or _PROPERTYPUT
  std::vector<std::u16string> arguments;  // rgvarg as received: numbers in decimal, texts in quotes
  std::vector<DISPID> named;              // rgdispidNamedArgs
  LCID lookupLocale = 0;
  LCID invokeLocale = 0;
  bool resultWasEmpty = false;  // a result variant was given, and it was empty
};

class FakeAutomationObject final : public IDispatch {
 public:
  using Answer = std::variant<std::monostate, std::int32_t, std::u16string, FakeAutomationObject*>;

  FakeAutomationObject(std::u16string name, std::vector<RecordedCall>& log)
      : name_(std::move(name)), log_(log) {}

  // Answers `member` (under `id`, else a made-up one) with `value`; a known member changes its answer.
  void answer(const std::u16string& member, Answer value = {}, DISPID id = 0);
  void failInvoke(const std::u16string& member, HRESULT status) { failures_[member] = status; }
  ULONG references() const { return references_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }  // the test owns the object
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID locale, WORD kind, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

 private:
  struct Member {
    std::u16string name;
    Answer value;
  };
  std::u16string name_;
  std::vector<RecordedCall>& log_;
  std::map<DISPID, Member> members_;
  std::map<std::u16string, HRESULT> failures_;
  LCID lastLookupLocale_ = 0;
  ULONG references_ = 1;
};

}  // namespace lexiglean::testing
