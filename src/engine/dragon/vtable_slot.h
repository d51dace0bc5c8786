#pragma once
// Calls a method of a COM interface by its position in the vtable (IUnknown 0-2, IDispatch 3-6, then
// the interface's own). The recogniser's interfaces are not declared in full here: only the positions
// and parameter types of the methods the program uses are known, so they are called by slot.
#include <cstddef>

#include "engine/dragon/windows_com.h"

namespace lexiglean::dragon {

template <std::size_t Slot, typename... Args>
::HRESULT CallSlot(IUnknown* object, Args... args) {
  using Method = ::HRESULT(STDMETHODCALLTYPE*)(IUnknown*, Args...);
  const Method* vtable = *reinterpret_cast<const Method* const*>(object);
  return vtable[Slot](object, args...);
}

}  // namespace lexiglean::dragon
