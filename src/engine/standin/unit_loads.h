#pragma once
// Code units read several at a time as one number (four into 64 bits, two into 32), wherever they lie:
// for comparing and hashing words without a loop over each unit.
#include <cstdint>
#include <cstring>

namespace lexiglean::standin {

inline std::uint64_t Load4(const char16_t* units) {
  std::uint64_t loaded = 0;
  std::memcpy(&loaded, units, sizeof loaded);
  return loaded;
}

inline std::uint32_t Load2(const char16_t* units) {
  std::uint32_t loaded = 0;
  std::memcpy(&loaded, units, sizeof loaded);
  return loaded;
}

}  // namespace lexiglean::standin
