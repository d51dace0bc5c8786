#pragma once
// The stand-in's profile folder: one subfolder per user, the loaded user named in the file
// current-user (an empty file: no user is loaded). A first run, without that file, creates a user
// named after the login and loads it.
#include <filesystem>
#include <optional>
#include <string>

#include <memory>

#include "engine/standin/profile_files.h"
#include "engine/standin/vocabulary.h"

namespace lexiglean::standin {

struct LoadedUser {
  std::u16string name;
  std::filesystem::path folder;
};

class StandinProfile {
 public:
  // files: how files are replaced (empty: the real file system).
  StandinProfile(std::filesystem::path root, std::filesystem::path systemWordList,
                 std::shared_ptr<const FileReplacer> files = {});

  const FileReplacer& Files() const { return *files_; }

  // The loaded user, found on first use; nothing when none is loaded. Throws StandinError when the
  // profile cannot be read or (on a first run) created; the next call tries again.
  const std::optional<LoadedUser>& User();

  // The loaded user's vocabulary (the system words alone when no user is loaded).
  Vocabulary& Words();

  // The loaded user's folder; throws StandinError when no user is loaded.
  const std::filesystem::path& UserFolder();

 private:
  void Load();

  std::filesystem::path root_;
  std::filesystem::path systemWordList_;
  std::shared_ptr<const FileReplacer> files_;
  bool loaded_ = false;
  std::optional<LoadedUser> user_;
  std::optional<Vocabulary> words_;
};

}  // namespace lexiglean::standin
