#pragma once
// Registration of the server's classes and type library. Per user (HKCU\Software\Classes) so that
// no administrator is needed; under Wine, whose COM reads classes only from the machine's part of
// the registry, per machine. Unregistering removes every key the registration wrote.
#include "com_servers/recogniser/com_headers.h"

namespace lexiglean::comserver {

enum class ServerKind { kInProcess, kLocal };

// Both classes with this module as their in-process or local server, and the type library (with
// the interface keys its marshaller needs).
::HRESULT RegisterServer(ServerKind kind);
// Removes this kind's server keys; the classes and the type library when no kind is left.
::HRESULT UnregisterServer(ServerKind kind);

}  // namespace lexiglean::comserver
