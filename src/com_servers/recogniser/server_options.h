#pragma once
// Where the server's stand-in keeps its profile and finds its word list and document converter.
#include "engine/standin/standin_recogniser.h"

namespace lexiglean::comserver {

// The profile folder: LEXIGLEAN_STANDIN_HOME (a Unix path under Wine is taken to the drive that
// shows it), else the stand-in's default. The base vocabulary: under Wine the system word list the
// Linux stand-in reads, else none.
standin::StandinOptions ServerOptions();

}  // namespace lexiglean::comserver
