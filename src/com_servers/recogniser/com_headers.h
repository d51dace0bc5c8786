#pragma once
// The Windows COM headers and the server's interfaces as widl writes them from recogniser.idl. The
// core's declarations come first (<windows.h> defines S_OK, FAILED ... as macros), so every server
// file includes its core headers, then this one. The COM interfaces keep their global names
// (::IWordItem), the program's portable interfaces theirs (lexiglean::IWordItem).
#include "engine/com_error.h"
#include "engine/recogniser.h"

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <ocidl.h>
#include <olectl.h>

#include "recogniser.h"
