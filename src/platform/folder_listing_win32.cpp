#include "platform/folder_listing.h"

#include <memory>
#include <type_traits>

#include <windows.h>

namespace lexiglean {
namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

struct SearchCloser {
  void operator()(HANDLE search) const { FindClose(search); }
};
using SearchHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, SearchCloser>;

bool IsNameSurrogate(const WIN32_FIND_DATAW& found) {
  // Symbolic links and junctions point elsewhere; other reparse points (cloud files) hold their own data.
  return (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && IsReparseTagNameSurrogate(found.dwReserved0);
}

}  // namespace

PathKind KindOfPath(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path));
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kNothing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::kFolder : PathKind::kFile;
}

FolderListing ListFolder(const std::u16string& folder) {
  FolderListing listing;
  std::u16string prefix = folder;
  if (prefix.empty() || (prefix.back() != u'\\' && prefix.back() != u'/')) prefix += u'\\';
  WIN32_FIND_DATAW found{};
  HANDLE first = FindFirstFileExW(Wide(prefix + u'*'), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                  FIND_FIRST_EX_LARGE_FETCH);
  if (first == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    // An empty folder is not an error; on a drive root "*" can still find nothing.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) {
      listing.outcome = FolderListing::Outcome::kListed;
    } else if (error == ERROR_PATH_NOT_FOUND) {
      listing.outcome = FolderListing::Outcome::kMissing;
    }
    return listing;
  }
  const SearchHandle search(first);
  do {
    const std::u16string name(reinterpret_cast<const char16_t*>(found.cFileName));
    if (name == u"." || name == u"..") continue;
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0 || IsNameSurrogate(found)) {
      continue;
    }
    listing.entries.push_back({prefix + name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search.get(), &found));
  if (GetLastError() == ERROR_NO_MORE_FILES) {
    listing.outcome = FolderListing::Outcome::kListed;
  } else {
    listing.entries.clear();
  }
  return listing;
}

}  // namespace lexiglean
