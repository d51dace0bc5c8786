#include "engine/standin/profile_files.h"

#include <fstream>
#include <system_error>

#include "engine/standin/standin_error.h"
#include "platform/text.h"

namespace lexiglean::standin {
namespace {

namespace fs = std::filesystem;

std::u16string Quoted(const fs::path& path) { return u"\"" + PathText(path) + u"\""; }

// Removes the temporary file it guards unless the write went through.
class TemporaryFile {
 public:
  explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (path_.empty()) return;
    std::error_code ignored;
    fs::remove(path_, ignored);
  }
  void Release() { path_.clear(); }

 private:
  fs::path path_;
};

}  // namespace

std::optional<std::ifstream> OpenFileIfPresent(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return std::nullopt;
  if (error) {
    throw StandinError(E_FAIL, u"Cannot read " + Quoted(path) + u": " + Utf8ToUtf16(error.message()) + u".");
  }
  if (fs::is_directory(status)) throw StandinError(E_FAIL, u"Cannot read " + Quoted(path) + u": it is a folder.");
  std::ifstream file(path, std::ios::binary);
  if (!file) throw StandinError(E_FAIL, u"Cannot open " + Quoted(path) + u" for reading.");
  return file;
}

std::size_t ReadBlock(std::ifstream& file, const fs::path& path, char* block, std::size_t size) {
  file.read(block, static_cast<std::streamsize>(size));
  if (file.bad()) throw StandinError(E_FAIL, u"Cannot read " + Quoted(path) + u".");
  return static_cast<std::size_t>(file.gcount());
}

std::optional<std::string> ReadFileIfPresent(const fs::path& path) {
  std::optional<std::ifstream> file = OpenFileIfPresent(path);
  if (!file) return std::nullopt;
  std::string bytes;
  std::string block(std::size_t{1} << 16, '\0');
  while (const std::size_t read = ReadBlock(*file, path, block.data(), block.size())) bytes.append(block, 0, read);
  return bytes;
}

void FileReplacer::Replace(const fs::path& target, std::string_view bytes, const fs::path& temporary) const {
  const std::u16string failure = u"Cannot write " + Quoted(target) + u": ";
  std::ofstream file;
  if (!CreateTemporary(file, temporary)) {
    throw StandinError(E_FAIL, failure + u"cannot create the temporary file " + Quoted(temporary) + u".");
  }
  TemporaryFile written(temporary);
  const bool complete = WriteAll(file, bytes);
  file.close();
  if (!complete || file.fail()) {
    throw StandinError(E_FAIL, failure + u"writing the temporary file " + Quoted(temporary) + u" failed.");
  }
  std::error_code error;
  Rename(temporary, target, error);
  if (error) throw StandinError(E_FAIL, failure + Utf8ToUtf16(error.message()) + u".");
  written.Release();
}

bool FileReplacer::CreateTemporary(std::ofstream& file, const fs::path& temporary) const {
  file.open(temporary, std::ios::binary | std::ios::trunc);
  return file.is_open();
}

bool FileReplacer::WriteAll(std::ofstream& file, std::string_view bytes) const {
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.flush();
  return file.good();
}

void FileReplacer::Rename(const fs::path& from, const fs::path& to, std::error_code& error) const {
  fs::rename(from, to, error);
}

fs::path ProfileTemporaryPath(const fs::path& target) {
  fs::path temporary = target;
  temporary += ".tmp";
  return temporary;
}

fs::path UnusedTemporaryPath(const fs::path& target) {
  for (unsigned n = 1;; ++n) {
    fs::path temporary = target;
    temporary += "." + std::to_string(n) + ".tmp";
    std::error_code error;
    if (!fs::exists(fs::symlink_status(temporary, error))) return temporary;
  }
}

void EnsureFolder(const fs::path& folder) {
  std::error_code error;
  if (fs::is_directory(folder, error)) return;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder)) {
    throw StandinError(E_FAIL, u"Cannot create the folder " + Quoted(folder) + u": " +
                                   (error ? Utf8ToUtf16(error.message()) : u"a file is in the way") + u".");
  }
}

}  // namespace lexiglean::standin
