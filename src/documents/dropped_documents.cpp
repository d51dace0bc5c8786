#include "documents/dropped_documents.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "platform/case_insensitive.h"
#include "platform/folder_listing.h"
#include "platform/path_parts.h"

namespace lexiglean {
namespace {

// The kinds the "&Add" dialog offers.
constexpr std::array<std::u16string_view, 7> kDocumentExtensions = {u".doc", u".docx", u".rtf", u".txt",
                                                                    u".pdf", u".htm",  u".html"};

bool IsDocumentKind(const std::u16string& path) {
  const std::u16string extension = SplitPath(path).extension;
  return std::any_of(kDocumentExtensions.begin(), kDocumentExtensions.end(),
                     [&](std::u16string_view kind) { return EqualIgnoringCase(extension, kind); });
}

using SortedPaths = std::vector<std::pair<std::u16string, std::u16string>>;  // folded path, path

// Sorted by path ignoring letter case (paths that differ only in case in their exact order).
void AppendSorted(SortedPaths& paths, std::vector<std::u16string>& to) {
  std::sort(paths.begin(), paths.end());
  for (auto& path : paths) to.push_back(std::move(path.second));
}

// The documents and the unreadable folders under folder, each sorted by path.
void CollectFolder(const std::u16string& folder, DroppedDocuments& found) {
  SortedPaths documents;
  SortedPaths unreadable;
  std::vector<std::u16string> pending{folder};
  while (!pending.empty()) {
    const std::u16string current = std::move(pending.back());
    pending.pop_back();
    FolderListing listing = ListFolder(current);
    if (listing.outcome == FolderListing::Outcome::kUnreadable) unreadable.emplace_back(CaseFolded(current), current);
    if (listing.outcome == FolderListing::Outcome::kMissing && current == folder) found.missing.push_back(current);
    for (FolderEntry& entry : listing.entries) {
      if (entry.isFolder) {
        pending.push_back(std::move(entry.path));
      } else if (IsDocumentKind(entry.path)) {
        documents.emplace_back(CaseFolded(entry.path), std::move(entry.path));
      }
    }
  }
  AppendSorted(documents, found.files);
  AppendSorted(unreadable, found.unreadableFolders);
}

}  // namespace

DroppedDocuments CollectDroppedDocuments(const std::vector<std::u16string>& dropped) {
  DroppedDocuments found;
  for (const std::u16string& path : dropped) {
    switch (KindOfPath(path)) {
      case PathKind::kFile: found.files.push_back(path); break;
      case PathKind::kFolder: CollectFolder(path, found); break;
      case PathKind::kNothing: found.missing.push_back(path); break;
    }
  }
  return found;
}

}  // namespace lexiglean
