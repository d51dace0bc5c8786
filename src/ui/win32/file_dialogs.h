#pragma once
// The common open and save dialogs. Their result buffers grow to whatever the user picks: the open
// dialog widens its buffer whenever the selection changes, and a dialog that still reports
// FNERR_BUFFERTOOSMALL opens again with the size it asked for.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/windows_api.h"

namespace lexiglean {

// Room for the longest path Windows accepts; grown when a dialog asks for more.
inline constexpr std::size_t kFileDialogBufferCharacters = 32768;

// The open dialog, owned by owner: explorer style, files and their folder must exist, read-only box
// hidden; several files when multiSelect. filter is a description and its patterns separated by a
// NUL character. The file-name field starts with initialPath. Full paths in the dialog's order;
// nothing when cancelled or failed.
std::optional<std::vector<std::u16string>> ShowOpenFilesDialog(
    HWND owner, std::u16string_view filter, bool multiSelect,
    std::size_t initialCharacters = kFileDialogBufferCharacters, std::u16string_view initialPath = {});

// The save dialog, owned by owner: explorer style, folder must exist, asks before overwriting,
// read-only box hidden; defaultExtension is appended to a name typed without one.
std::optional<std::u16string> ShowSaveFileDialog(HWND owner, std::u16string_view filter,
                                                 std::u16string_view defaultExtension,
                                                 std::size_t initialCharacters = kFileDialogBufferCharacters);

// The paths in an open dialog's result: the folder, a NUL and the NUL-ended names, ended by an empty
// name (several files), or one full path whose name starts at fileOffset.
std::vector<std::u16string> SplitOpenFilesResult(std::wstring_view result, std::size_t fileOffset);

}  // namespace lexiglean
