#pragma once
// Reading and replacing the stand-in's files. A file is replaced by writing a temporary file in the
// same folder and renaming it over the old one, so that a crash leaves either the old or the new
// content, never a mixture; a failed write leaves the old file as it was.
#include <filesystem>
#include <fstream>
#include <functional>
#include <system_error>
#include <optional>
#include <string>
#include <string_view>

namespace lexiglean::standin {

// The bytes of the file; nothing when there is no file at the path. Throws StandinError when a file
// (or folder) is there but cannot be read.
std::optional<std::string> ReadFileIfPresent(const std::filesystem::path& path);
// The same, opened for reading in blocks.
std::optional<std::ifstream> OpenFileIfPresent(const std::filesystem::path& path);
// Reads up to `size` bytes of the file at `path`; fewer only at its end. Throws StandinError naming it
// when reading fails.
std::size_t ReadBlock(std::ifstream& file, const std::filesystem::path& path, char* block, std::size_t size);

// Replaces files: writes the bytes to a temporary file (which must lie in the target's folder), flushes
// it and renames it over the target. Each step is a virtual call, so that a test can make any one of
// them fail the way a full disk or a locked file would.
class FileReplacer {
 public:
  virtual ~FileReplacer() = default;

  // A symbolic link is followed: the file it points to is replaced (the temporary file then lies beside
  // that file), the link stays. A read-only target is refused, as Windows refuses to replace it. On
  // failure removes what it wrote, leaves the target as it was and throws StandinError naming it.
  void Replace(const std::filesystem::path& target, std::string_view bytes,
               const std::filesystem::path& temporary) const;
  // The same with the bytes made as they are written: `write` hands them to its sink in pieces, so that
  // a large file is never held whole.
  using PieceSink = std::function<void(std::string_view)>;
  void Replace(const std::filesystem::path& target, const std::function<void(const PieceSink&)>& write,
               const std::filesystem::path& temporary) const;

 protected:
  // Creates (or empties) the temporary file; false when it cannot.
  virtual bool CreateTemporary(std::ofstream& file, const std::filesystem::path& temporary) const;
  // Writes every byte and flushes; false when not all of them reached the file.
  virtual bool WriteAll(std::ofstream& file, std::string_view bytes) const;
  virtual void Rename(const std::filesystem::path& from, const std::filesystem::path& to,
                      std::error_code& error) const;
};

// The temporary file of a file in the profile: the profile is the stand-in's own folder, so a fixed
// name serves (a leftover of a crash is simply written over next time).
std::filesystem::path ProfileTemporaryPath(const std::filesystem::path& target);

// A temporary file beside a file the user chose: a name that nothing uses yet.
std::filesystem::path UnusedTemporaryPath(const std::filesystem::path& target);

// Creates the folder (and its parents) when missing. Throws StandinError when it cannot.
void EnsureFolder(const std::filesystem::path& folder);

}  // namespace lexiglean::standin
