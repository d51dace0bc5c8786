#pragma once
// Splitting a path into folder, base name and extension, as the Windows path splitter does: the
// extension is the part of the file name from its last dot on, the dot included.
#include <string>
#include <string_view>

namespace lexiglean {

struct PathParts {
  std::u16string folder;     // drive and directory, with the trailing separator
  std::u16string baseName;   // the file name without its extension
  std::u16string extension;  // ".docx"; empty when the name has no dot
};

PathParts SplitPath(std::u16string_view path);

// True for a path separator of this platform ('\\' and '/' on Windows, '/' elsewhere).
bool IsPathSeparator(char16_t c);

}  // namespace lexiglean
