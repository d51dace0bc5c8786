#pragma once
// What a drop of files and folders on the main window offers the document list: each dropped file as
// it is, and of each dropped folder, recursively, every file of the open dialog's kinds.
#include <string>
#include <vector>

namespace lexiglean {

struct DroppedDocuments {
  // In the drop's order; a folder's files in the order of their paths, ignoring letter case.
  std::vector<std::u16string> files;
  std::vector<std::u16string> unreadableFolders;
  std::vector<std::u16string> missing;  // dropped paths that no longer exist
};

// Only folders are listed: no file is opened. Hidden and system entries, links and junctions in a
// folder are left out.
DroppedDocuments CollectDroppedDocuments(const std::vector<std::u16string>& dropped);

}  // namespace lexiglean
