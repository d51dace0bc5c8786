#pragma once
// Shared pieces of the seeded differential tests that keep std::regex as the oracle.
#include <cstdint>
#include <cstdlib>
#include <locale>
#include <regex>
#include <string>

namespace lexiglean::testing {

// std::regex is slow without optimisation: such builds run fewer random cases.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
inline constexpr bool kOptimisedBuild = true;
#else
inline constexpr bool kOptimisedBuild = false;
#endif

// Random cases are split over this many tests, so that ctest can run them side by side.
inline constexpr int kDifferentialShards = 4;

// A number from the environment (a seed or a count), else the fallback.
inline std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 0) : fallback;
}

// The oracle: the pattern in the ECMAScript grammar, in the classic locale.
inline std::regex ClassicEcmaScriptRegex(const std::string& pattern) {
  std::regex re;
  re.imbue(std::locale::classic());
  re.assign(pattern, std::regex::ECMAScript);
  return re;
}

}  // namespace lexiglean::testing
