#pragma once
// A new, empty ".txt" file in the user's temporary folder, under a name no file had: the word
// processor saves a document's text there, so nothing beside the document is ever written or deleted.
#include <string>

namespace lexiglean {

class TemporaryTextFile {
 public:
  // Creates the file exclusively. Throws std::system_error when the temporary folder is not usable.
  TemporaryTextFile();
  TemporaryTextFile(const TemporaryTextFile&) = delete;
  TemporaryTextFile& operator=(const TemporaryTextFile&) = delete;
  // Deletes the file unless it was kept.
  ~TemporaryTextFile();

  const std::u16string& path() const { return path_; }
  // Leaves the file on disk (its reader deletes it) and gives its path.
  std::u16string keep();

 private:
  std::u16string path_;  // empty once kept
};

}  // namespace lexiglean
