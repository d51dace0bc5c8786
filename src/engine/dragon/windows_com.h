#pragma once
// The Windows COM headers for the binding, and the bridge between the core's Guid and GUID.
// The core's declarations come first: <windows.h> defines macros (S_OK, FAILED, E_FAIL ...) with the
// same names, which must not reach the core's own declarations. Every binding file includes its core
// headers, then this one.
#include "engine/com_error.h"

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <ocidl.h>

#include <cstring>

namespace lexiglean::dragon {

static_assert(sizeof(Guid) == sizeof(GUID));

inline GUID ToGUID(const Guid& guid) {
  GUID result;
  result.Data1 = guid.data1;
  result.Data2 = guid.data2;
  result.Data3 = guid.data3;
  std::memcpy(result.Data4, guid.data4.data(), sizeof result.Data4);
  return result;
}

inline Guid FromGUID(const GUID& guid) {
  Guid result;
  result.data1 = guid.Data1;
  result.data2 = guid.Data2;
  result.data3 = guid.Data3;
  std::memcpy(result.data4.data(), guid.Data4, sizeof guid.Data4);
  return result;
}

}  // namespace lexiglean::dragon
