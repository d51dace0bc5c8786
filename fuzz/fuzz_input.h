#pragma once
// Helpers shared by the fuzz targets.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace lexiglean::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A broken property is a finding: report it and abort, so that libFuzzer keeps the input and a replay
// fails.
inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz property broken: %s\n", what);
  std::abort();
}

// Writes the input to a file of this process (for readers that take a path); the same file each time.
inline std::filesystem::path InputFile(std::string_view bytes, std::string_view extension) {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / ("lexiglean-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  const auto path = folder / (std::string("input") + std::string(extension));
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace lexiglean::fuzz
