#pragma once
// The server's type library, embedded in its own module (resource 1 TYPELIB).
#include <string>

#include "com_servers/recogniser/com_headers.h"
#include "engine/dragon/com_ptr.h"

namespace lexiglean::comserver {

using dragon::ComPtr;

// The path of the module (DLL or EXE) this code is linked into.
std::wstring ModulePath();

// The type information of an interface, dispinterface or coclass of the library; throws ComError.
ComPtr<ITypeInfo> TypeInfoOf(REFGUID guid);

}  // namespace lexiglean::comserver
