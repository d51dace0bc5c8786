#pragma once
// Turns a failed COM call into the ComError every recogniser operation raises.
#include "engine/dragon/windows_com.h"

namespace lexiglean::dragon {

// The description of the error object a failed call on `object` (through interface iid) left on the
// thread. An object that implements ISupportErrorInfo is asked first, so that a stale error object
// from an earlier call is not taken for this one; without an object (creation) or without
// ISupportErrorInfo the thread's error object is used when there is one. The error object stays on
// the thread, so later reporters (the connection's HRESULT box) still find it.
std::u16string ErrorDescription(IUnknown* object, const Guid& iid);

// Throws ComError{hr, iid, ErrorDescription(object, iid)}.
[[noreturn]] void ThrowComError(::HRESULT hr, IUnknown* object, const Guid& iid);

inline void ThrowIfFailed(::HRESULT hr, IUnknown* object, const Guid& iid) {
  if (FAILED(hr)) ThrowComError(hr, object, iid);
}

}  // namespace lexiglean::dragon
