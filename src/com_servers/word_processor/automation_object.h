#pragma once
// The base of the stand-in word processor's objects: IDispatch alone, its members found by name
// (letter case ignored, as automation does), each with the kinds of call it answers and how many
// arguments it takes. Every object holds the server process while it lives and is owned by its
// references: created with one, destroyed with its last.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>
#include <oleauto.h>

namespace lexiglean::word_server {

// A call that cannot be answered: Invoke returns `status`; with a description it returns
// DISP_E_EXCEPTION instead, and the description and `status` go into the caller's EXCEPINFO.
struct AutomationError {
  HRESULT status = E_FAIL;
  std::u16string description;
  UINT argument = 0;  // with DISP_E_TYPEMISMATCH: the argument's index in the caller's array
};

// The arguments of one call, in parameter order; an optional one left out is not counted.
class CallArguments {
 public:
  explicit CallArguments(const DISPPARAMS& parameters);
  std::size_t count() const { return count_; }
  // The argument as a 32-bit integer or as text, converted as automation converts; throws
  // AutomationError with DISP_E_TYPEMISMATCH when it cannot be.
  std::int32_t integer(std::size_t position) const;
  std::u16string text(std::size_t position) const;

 private:
  const VARIANT& at(std::size_t position) const { return parameters_.rgvarg[parameters_.cArgs - 1 - position]; }
  VARIANT converted(std::size_t position, VARTYPE type) const;

  const DISPPARAMS& parameters_;
  std::size_t count_;
};

struct Member {
  std::u16string_view name;
  WORD kinds;  // DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, combined
  std::size_t fewestArguments;
  std::size_t mostArguments;
  // Fills `result` (empty before) or throws AutomationError.
  std::function<void(const CallArguments& arguments, VARIANT& result)> run;
};

class AutomationObject : public IDispatch {
 public:
  explicit AutomationObject(std::vector<Member> members);
  virtual ~AutomationObject();
  AutomationObject(const AutomationObject&) = delete;
  AutomationObject& operator=(const AutomationObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* parameters, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argumentError) override;

 private:
  std::vector<Member> members_;  // dispatch id = index + 1
  ULONG references_ = 1;
};

// Hands a new object to the caller's result, with its one reference.
void ReturnObject(VARIANT& result, std::unique_ptr<AutomationObject> object);

}  // namespace lexiglean::word_server
