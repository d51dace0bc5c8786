#pragma once
// Reading and replacing the stand-in's files. A file is replaced by writing a temporary file in the
// same folder and renaming it over the old one, so that a crash leaves either the old or the new
// content, never a mixture; a failed write leaves the old file as it was.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lexiglean::standin {

// The bytes of the file; nothing when there is no file at the path. Throws StandinError when a file
// (or folder) is there but cannot be read.
std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& path);

// Writes bytes to `temporary` (which must lie in the target's folder), flushes it and renames it over
// `target`. On failure removes what it wrote and throws StandinError naming the target.
void ReplaceFile(const std::filesystem::path& target, std::string_view bytes, const std::filesystem::path& temporary);

// The temporary file of a file in the profile: the profile is the stand-in's own folder, so a fixed
// name serves (a leftover of a crash is simply written over next time).
std::filesystem::path ProfileTemporaryPath(const std::filesystem::path& target);

// A temporary file beside a file the user chose: a name that nothing uses yet.
std::filesystem::path UnusedTemporaryPath(const std::filesystem::path& target);

// Creates the folder (and its parents) when missing. Throws StandinError when it cannot.
void EnsureFolder(const std::filesystem::path& folder);

}  // namespace lexiglean::standin
