#pragma once
// A reference to one of the recogniser's COM interfaces, with the kinds of call the adapters make.
// Failures throw ComError carrying the interface's IID.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/dragon/bstr.h"
#include "engine/dragon/com_failure.h"
#include "engine/dragon/com_ptr.h"
#include "engine/dragon/late_binding.h"
#include "engine/dragon/variant.h"
#include "engine/dragon/vtable_slot.h"

namespace lexiglean::dragon {

class InterfaceRef {
 public:
  // pointer: a reference to the interface iid (which derives from IDispatch); never empty.
  InterfaceRef(ComPtr<IDispatch> pointer, const Guid& iid) : pointer_(std::move(pointer)), iid_(iid) {
    if (!pointer_) throw ComError(E_POINTER, iid_);
  }

  IDispatch* Get() const { return pointer_.Get(); }
  const Guid& Iid() const { return iid_; }

  // A string argument for this interface's methods.
  Bstr Text(const std::u16string& text) const { return Bstr(text, iid_); }

  template <std::size_t Slot, typename... Args>
  void Call(Args... args) const {
    ThrowIfFailed(CallSlot<Slot>(pointer_.Get(), args...), pointer_.Get(), iid_);
  }

  // A method whose last parameter is [out] BSTR*.
  template <std::size_t Slot, typename... Args>
  std::u16string TextResult(Args... args) const {
    Bstr result;
    Call<Slot>(args..., result.Receive());
    return result.Text();
  }

  // A method whose last parameter is [out] long*.
  template <std::size_t Slot, typename... Args>
  std::int32_t Int32Result(Args... args) const {
    LONG result = 0;
    Call<Slot>(args..., &result);
    return result;
  }

  // A method whose last parameter is [out] of an IDispatch-derived interface; an empty result is
  // E_POINTER.
  template <std::size_t Slot, typename... Args>
  ComPtr<IDispatch> ObjectResult(Args... args) const {
    ComPtr<IDispatch> result;
    Call<Slot>(args..., result.Receive());
    if (!result) throw ComError(E_POINTER, iid_);
    return result;
  }

  // Late-bound call by name (see late_binding.h).
  Variant Invoke(const std::u16string& name, const std::vector<Variant>& arguments = {}) const {
    return InvokeByName(pointer_.Get(), iid_, name, arguments);
  }
  std::u16string InvokeForText(const std::u16string& name, const std::vector<Variant>& arguments = {}) const;
  // The result queried for the interface `resultIid`; an empty result is E_POINTER.
  ComPtr<IDispatch> InvokeForObject(const std::u16string& name, const std::vector<Variant>& arguments,
                                    const Guid& resultIid) const;

 private:
  ComPtr<IDispatch> pointer_;
  Guid iid_;
};

}  // namespace lexiglean::dragon
