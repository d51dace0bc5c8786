#pragma once
// The C library's UTF-8 character tables (letters, case mapping), made once for the whole process;
// the process-wide locale is left alone. Null when the system has no UTF-8 locale.
#include <locale.h>

namespace lexiglean {

locale_t Utf8CharacterTables();

}  // namespace lexiglean
