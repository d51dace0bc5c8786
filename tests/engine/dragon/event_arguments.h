#pragma once
// Plain VARIANT arguments for event calls, and Invoke with them in declaration order.
#include <algorithm>
#include <vector>

#include "engine/dragon/windows_com.h"

namespace lexiglean::dragon::testing {

inline VARIANT I2(SHORT value) {
  VARIANT v;
  v.vt = VT_I2;
  v.iVal = value;
  return v;
}

inline VARIANT I4(LONG value) {
  VARIANT v;
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

inline VARIANT Bool(bool value) {
  VARIANT v;
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

// DISPPARAMS takes the arguments last to first.
inline ::HRESULT InvokeEvent(IDispatch& sink, DISPID id, std::vector<VARIANT> arguments,
                             UINT* argumentError = nullptr) {
  std::reverse(arguments.begin(), arguments.end());
  DISPPARAMS parameters{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
  return sink.Invoke(id, ::GUID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr,
                     argumentError);
}

}  // namespace lexiglean::dragon::testing
