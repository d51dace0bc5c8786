#pragma once
// Calls a method by name through IDispatch (GetIDsOfNames + Invoke). Used where the exact parameter
// types of a recogniser method are not known: the server's own type information converts the
// arguments.
#include <string>
#include <vector>

#include "engine/dragon/variant.h"
#include "engine/dragon/windows_com.h"

namespace lexiglean::dragon {

// Arguments in declaration order; returns the method's result. A failure throws ComError with iid; an
// exception raised by the server (DISP_E_EXCEPTION) carries the server's own code and description.
Variant InvokeByName(IDispatch* object, const Guid& iid, const std::u16string& name,
                     const std::vector<Variant>& arguments);

}  // namespace lexiglean::dragon
