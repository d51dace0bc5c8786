#pragma once
// The server's environment variables, read as UTF-16.
#include <string>

namespace lexiglean::comserver {

// The variable's value; empty when it is unset.
std::u16string EnvironmentValue(const wchar_t* name);

}  // namespace lexiglean::comserver
