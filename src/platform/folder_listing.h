#pragma once
// What a path names, and the entries of a folder, asked of the file system without opening any file.
#include <string>
#include <vector>

namespace lexiglean {

enum class PathKind { kNothing, kFile, kFolder };

// What the path names now (a link is followed); kNothing when it does not exist or cannot be asked.
PathKind KindOfPath(const std::u16string& path);

struct FolderEntry {
  std::u16string path;  // the folder's path, a separator and the entry's name
  bool isFolder = false;
};

struct FolderListing {
  enum class Outcome { kListed, kMissing, kUnreadable } outcome = Outcome::kUnreadable;
  // In no particular order; "." and "..", hidden and system entries, links and junctions (which may
  // lead out of the folder) and anything neither file nor folder are left out.
  std::vector<FolderEntry> entries;
};

FolderListing ListFolder(const std::u16string& folder);

}  // namespace lexiglean
