#include "platform/folder_listing.h"

#include <filesystem>
#include <system_error>

#include "platform/text.h"

namespace lexiglean {
namespace fs = std::filesystem;

PathKind KindOfPath(const std::u16string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(Utf16ToUtf8(path), error);
  if (error) return PathKind::kNothing;
  if (fs::is_directory(status)) return PathKind::kFolder;
  return fs::exists(status) ? PathKind::kFile : PathKind::kNothing;
}

FolderListing ListFolder(const std::u16string& folder) {
  FolderListing listing;
  std::error_code error;
  fs::directory_iterator entry(Utf16ToUtf8(folder), error);
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    // A name beginning with a dot is this system's hidden file.
    if (name.empty() || name[0] == '.') continue;
    // The entry's own type as the listing gives it: a link is neither file nor folder here. An entry
    // gone since the listing is left out.
    std::error_code gone;
    const fs::file_type type = entry->symlink_status(gone).type();
    if (gone || (type != fs::file_type::regular && type != fs::file_type::directory)) continue;
    std::u16string path = folder;
    if (path.empty() || path.back() != u'/') path += u'/';
    listing.entries.push_back({path + Utf8ToUtf16(name), type == fs::file_type::directory});
  }
  if (!error) {
    listing.outcome = FolderListing::Outcome::kListed;
  } else {
    listing.entries.clear();
    listing.outcome = error == std::errc::no_such_file_or_directory ? FolderListing::Outcome::kMissing
                                                                    : FolderListing::Outcome::kUnreadable;
  }
  return listing;
}

}  // namespace lexiglean
