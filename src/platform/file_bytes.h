#pragma once
// Whole-file and head-of-file reads, and writing a whole file.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lexiglean {

// Up to `count` bytes from the start of a regular file; none when it cannot be read.
std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t count);

// The whole file; none when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Hands the whole file to `take` in blocks of up to `blockSize` bytes, in order; false when it cannot be
// read (some blocks may have been handed over by then).
bool ReadFileInBlocks(const std::filesystem::path& file, std::size_t blockSize,
                      const std::function<void(std::string_view)>& take);

// Writes (replaces) the file; on failure removes what was written and returns false.
bool WriteWholeFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace lexiglean
