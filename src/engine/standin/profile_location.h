#pragma once
// Where the stand-in keeps its profiles, and who the first user is.
#include <filesystem>
#include <string>

namespace lexiglean::standin {

// $LEXIGLEAN_STANDIN_HOME; else on Windows %LOCALAPPDATA%\lexiglean-standin; else
// $XDG_DATA_HOME/lexiglean-standin (when absolute); else ~/.local/share/lexiglean-standin. Empty when
// none of these can be told.
std::filesystem::path DefaultProfileRoot();

// The system word list that forms the base vocabulary: /usr/share/dict/words; none on Windows.
std::filesystem::path DefaultSystemWordList();

// The login name ($USER, %USERNAME%, $LOGNAME) when it makes a valid user name, else "user".
std::u16string LoginName();

// True when the name can name a user folder: not empty, no path separators, control characters or
// characters Windows refuses in file names, not "." or "..".
bool IsValidUserName(std::u16string_view name);

}  // namespace lexiglean::standin
