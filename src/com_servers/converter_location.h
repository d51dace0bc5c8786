#pragma once
// Where the Linux converter of the stand-in word processor lies: the default value of the key
// HKEY_CURRENT_USER\Software\Lexiglean\StandinConverter, a Unix path written by tools/wine-standins.sh.
#include <optional>
#include <string>

namespace lexiglean {

inline constexpr char16_t kConverterLocationKey[] = u"Software\\Lexiglean\\StandinConverter";

// None when the key or its value is missing or empty.
std::optional<std::u16string> ConverterLocation();

}  // namespace lexiglean
