#pragma once
// The common open and save dialogs. The open dialog is the system's file dialog object, which hands
// over any number of chosen files without a buffer; the save dialog's result buffer grows: a dialog
// that reports FNERR_BUFFERTOOSMALL opens again with the size it asked for.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/windows_api.h"

namespace lexiglean {

// Room for the longest path Windows accepts; grown when the save dialog asks for more.
inline constexpr std::size_t kFileDialogBufferCharacters = 32768;

// The open dialog, owned by owner, in the system's present look: files and their folder must exist;
// several files when multiSelect. filter is a description and its patterns separated by a NUL
// character (more such pairs may follow, NUL-separated); the first is selected. Full paths in the
// dialog's order; nothing when cancelled or failed. The file-name field starts with initialPath. Enters
// a COM apartment on the calling thread when it is in none.
std::optional<std::vector<std::u16string>> ShowOpenFilesDialog(HWND owner, std::u16string_view filter,
                                                               bool multiSelect, std::u16string_view initialPath = {});

// The save dialog, owned by owner: explorer style, folder must exist, asks before overwriting,
// read-only box hidden; defaultExtension is appended to a name typed without one.
std::optional<std::u16string> ShowSaveFileDialog(HWND owner, std::u16string_view filter,
                                                 std::u16string_view defaultExtension,
                                                 std::size_t initialCharacters = kFileDialogBufferCharacters);

}  // namespace lexiglean
