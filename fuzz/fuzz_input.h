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

// A folder of this process under the temporary folder, removed when the process ends.
inline const std::filesystem::path& ScratchFolder() {
  struct Folder {
    std::filesystem::path path = std::filesystem::temp_directory_path() / ("lexiglean-fuzz-" + std::to_string(::getpid()));
    Folder() { std::filesystem::create_directories(path); }
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Folder folder;
  return folder.path;
}

// Writes the input to a file of this process (for readers that take a path); the same file each time.
inline std::filesystem::path InputFile(std::string_view bytes, std::string_view extension) {
  const auto path = ScratchFolder() / (std::string("input") + std::string(extension));
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace lexiglean::fuzz
