#include "ui/win32/file_dialogs.h"

#include <algorithm>
#include <cstdint>

#include "ui/win32/wide_text.h"

namespace lexiglean {
namespace {

// The filter as the dialog reads it: pairs of NUL-ended texts, ended by an empty text.
std::wstring DialogFilter(std::u16string_view filter) {
  std::wstring text = Wide(filter);
  if (text.empty() || text.back() != L'\0') text.push_back(L'\0');
  return text;  // c_str() adds the final NUL
}

// The size to open the dialog again with after FNERR_BUFFERTOOSMALL: what it asked for (in the first
// two bytes of the buffer), at least twice the present size so that the loop always ends.
std::size_t RetrySize(const std::vector<wchar_t>& buffer) {
  const std::size_t asked = static_cast<std::uint16_t>(buffer.front());
  return std::max(asked + 1, buffer.size() * 2);
}

// Hook of the open dialog: when the selection changes, grows the result buffer (passed in
// lCustData) to hold the folder and every chosen name, before the user can press Open.
UINT_PTR CALLBACK OpenFilesHook(HWND hookDialog, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY) return 0;
  const auto& notify = *reinterpret_cast<const OFNOTIFYW*>(lParam);
  if (notify.hdr.code != CDN_SELCHANGE) return 0;
  HWND dialog = GetParent(hookDialog);
  const auto folder = static_cast<std::size_t>(std::max<LRESULT>(0, SendMessageW(dialog, CDM_GETFOLDERPATH, 0, 0)));
  const auto names = static_cast<std::size_t>(std::max<LRESULT>(0, SendMessageW(dialog, CDM_GETSPEC, 0, 0)));
  // The quoted names shrink to NUL-ended ones; folder, names and two terminators always fit.
  const std::size_t needed = folder + names + 2;
  OPENFILENAMEW& request = *notify.lpOFN;
  auto& buffer = *reinterpret_cast<std::vector<wchar_t>*>(request.lCustData);
  if (needed > buffer.size()) {
    buffer.assign(needed * 2, L'\0');
    request.lpstrFile = buffer.data();
    request.nMaxFile = static_cast<DWORD>(buffer.size());
  }
  return 0;
}

// Shows a common file dialog (show fills in its own fields and calls it) with the result in buffer,
// which starts with initialName, opening it again with a larger buffer while the chosen names do not
// fit. Returns the offset of the first file name, or nothing when the user cancels or the dialog fails.
template <class Show>
std::optional<std::size_t> RunWithGrowingBuffer(HWND owner, const std::wstring& filter, std::size_t initialCharacters,
                                                std::wstring_view initialName, std::vector<wchar_t>& buffer,
                                                Show&& show) {
  buffer.assign(std::max<std::size_t>({initialCharacters, initialName.size() + 1, 2}), L'\0');
  std::copy(initialName.begin(), initialName.end(), buffer.begin());
  for (;;) {
    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = buffer.data();
    request.nMaxFile = static_cast<DWORD>(buffer.size());
    if (show(request)) return request.nFileOffset;
    if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL) return std::nullopt;
    buffer.assign(RetrySize(buffer), L'\0');
  }
}

}  // namespace

std::vector<std::u16string> SplitOpenFilesResult(std::wstring_view result, std::size_t fileOffset) {
  const std::wstring_view first = result.substr(0, result.find(L'\0'));
  if (fileOffset == 0 || fileOffset > result.size() || result[fileOffset - 1] != L'\0') {
    return {FromWide(first)};
  }
  // Several files: the folder, then the names. A folder at a drive's root already ends in "\".
  std::wstring folder(first);
  if (folder.empty() || folder.back() != L'\\') folder.push_back(L'\\');
  std::vector<std::u16string> paths;
  std::size_t start = fileOffset;
  while (start < result.size() && result[start] != L'\0') {
    const std::size_t end = std::min(result.find(L'\0', start), result.size());
    paths.push_back(FromWide(folder + std::wstring(result.substr(start, end - start))));
    start = end + 1;
  }
  return paths;
}

std::optional<std::vector<std::u16string>> ShowOpenFilesDialog(HWND owner, std::u16string_view filter,
                                                               bool multiSelect, std::size_t initialCharacters,
                                                               std::u16string_view initialPath) {
  const std::wstring filterText = DialogFilter(filter);
  const std::wstring initialName = Wide(initialPath);
  std::vector<wchar_t> buffer;
  const auto chosen = RunWithGrowingBuffer(owner, filterText, initialCharacters, initialName, buffer,
                                           [&](OPENFILENAMEW& request) {
    request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLEHOOK |
                    OFN_ENABLESIZING | (multiSelect ? OFN_ALLOWMULTISELECT : 0);
    request.lpfnHook = OpenFilesHook;
    request.lCustData = reinterpret_cast<LPARAM>(&buffer);
    return GetOpenFileNameW(&request);
  });
  if (!chosen) return std::nullopt;
  return SplitOpenFilesResult(std::wstring_view(buffer.data(), buffer.size()), *chosen);
}

std::optional<std::u16string> ShowSaveFileDialog(HWND owner, std::u16string_view filter,
                                                 std::u16string_view defaultExtension,
                                                 std::size_t initialCharacters) {
  const std::wstring filterText = DialogFilter(filter);
  const std::wstring extension = Wide(defaultExtension);
  std::vector<wchar_t> buffer;
  const auto chosen = RunWithGrowingBuffer(owner, filterText, initialCharacters, L"", buffer,
                                           [&](OPENFILENAMEW& request) {
    request.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    request.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return GetSaveFileNameW(&request);
  });
  if (!chosen) return std::nullopt;
  return FromWide(buffer.data());
}

}  // namespace lexiglean
