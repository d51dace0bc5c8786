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

// The file a path names: a symbolic link is followed (to a file that may not exist yet), so that the file
// it points to is replaced and the link stays.
fs::path FileBehindLinks(fs::path path) {
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
    const fs::path next = fs::read_symlink(path, error);
    if (error) break;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

// A file nobody may write, as the platform reports it (the read-only attribute on Windows).
bool IsReadOnly(const fs::file_status& status) {
  return fs::is_regular_file(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

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
  Replace(target, [&](const PieceSink& sink) { sink(bytes); }, temporary);
}

void FileReplacer::Replace(const fs::path& target, const std::function<void(const PieceSink&)>& write,
                           const fs::path& given) const {
  const std::u16string failure = u"Cannot write " + Quoted(target) + u": ";
  const fs::path replaced = FileBehindLinks(target);
  std::error_code missing;
  const fs::file_status old = fs::status(replaced, missing);
  if (IsReadOnly(old)) throw StandinError(E_ACCESSDENIED, failure + u"the file is read-only.");
  // The temporary file lies beside the file it replaces, which a link may have moved to another folder.
  const fs::path temporary = replaced == target ? given : UnusedTemporaryPath(replaced);
  std::ofstream file;
  if (!CreateTemporary(file, temporary)) {
    throw StandinError(E_FAIL, failure + u"cannot create the temporary file " + Quoted(temporary) + u".");
  }
  TemporaryFile written(temporary);
  bool complete = true;
  write([&](std::string_view piece) { complete = complete && WriteAll(file, piece); });
  file.close();
  if (!complete || file.fail()) {
    throw StandinError(E_FAIL, failure + u"writing the temporary file " + Quoted(temporary) + u" failed.");
  }
  // The new file keeps the old one's permissions (a private file stays private).
  std::error_code ignored;
  if (fs::exists(old)) fs::permissions(temporary, old.permissions(), ignored);
  std::error_code error;
  Rename(temporary, replaced, error);
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
