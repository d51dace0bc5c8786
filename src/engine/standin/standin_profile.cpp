#include "engine/standin/standin_profile.h"

#include "engine/standin/profile_files.h"
#include "engine/standin/profile_location.h"
#include "engine/standin/standin_error.h"
#include "platform/text_decoding.h"
#include "platform/text.h"

namespace lexiglean::standin {
namespace {

namespace fs = std::filesystem;

constexpr char kCurrentUserFile[] = "current-user";

std::u16string Trimmed(std::u16string_view text) {
  constexpr std::u16string_view kBlanks = u" \t\r\n\uFEFF";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::u16string_view::npos) return {};
  return std::u16string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

}  // namespace

StandinProfile::StandinProfile(fs::path root, fs::path systemWordList, std::shared_ptr<const FileReplacer> files)
    : root_(std::move(root)),
      systemWordList_(std::move(systemWordList)),
      files_(files != nullptr ? std::move(files) : std::make_shared<const FileReplacer>()) {}

void StandinProfile::Load() {
  if (root_.empty()) {
    throw StandinError(E_FAIL,
                       u"The stand-in recogniser cannot tell where its profiles are: set LEXIGLEAN_STANDIN_HOME.");
  }
  const fs::path currentUserPath = root_ / kCurrentUserFile;
  std::u16string name;
  if (const std::optional<std::string> bytes = ReadFileIfPresent(currentUserPath)) {
    name = Trimmed(DecodeUtf8OrNarrow(*bytes));
    if (!name.empty() && !IsValidUserName(name)) {
      throw StandinError(E_FAIL, u"The file \"" + PathText(currentUserPath) + u"\" names no valid user: \"" + name + u"\".");
    }
  } else {
    name = LoginName();
    EnsureFolder(root_ / fs::path(name));
    files_->Replace(currentUserPath, Utf16ToUtf8(name) + "\n", ProfileTemporaryPath(currentUserPath));
  }
  if (name.empty()) {
    user_.reset();
    words_.emplace(systemWordList_, fs::path(), *files_);
  } else {
    user_ = LoadedUser{name, root_ / fs::path(name)};
    words_.emplace(systemWordList_, user_->folder, *files_);
  }
  loaded_ = true;
}

const std::optional<LoadedUser>& StandinProfile::User() {
  if (!loaded_) Load();
  return user_;
}

Vocabulary& StandinProfile::Words() {
  if (!loaded_) Load();
  return *words_;
}

const fs::path& StandinProfile::UserFolder() {
  if (!User()) throw StandinError(E_FAIL, u"No user is loaded.");
  return user_->folder;
}

}  // namespace lexiglean::standin
