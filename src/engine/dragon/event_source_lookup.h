#pragma once
// Finds an object's default event source interface and the type library that describes it.
#include "engine/voc_events.h"
#include "engine/dragon/windows_com.h"

namespace lexiglean::dragon {

// The class's type information comes from IProvideClassInfo, else from the object's IDispatch type
// library and its class id (IPersist, else `createdClass`). The source interface is the one
// IProvideClassInfo2 names, else the class's [default, source] interface. Throws ComError when the
// object does not describe itself that far.
EventTypeLibrary LookUpEventSource(IUnknown* object, const Guid& createdClass);

}  // namespace lexiglean::dragon
