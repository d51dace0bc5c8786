#include "ui/win32/file_dialogs.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include <shobjidl.h>

#include "documents/word/com_apartment.h"
#include "documents/word/com_ref.h"
#include "ui/win32/wide_text.h"

namespace lexiglean {
namespace {

// The filter's descriptions and patterns in turn (they are separated by NUL characters).
std::vector<std::wstring> FilterTexts(std::u16string_view filter) {
  std::vector<std::wstring> texts;
  for (std::size_t start = 0; start < filter.size();) {
    const std::size_t end = std::min(filter.find(u'\0', start), filter.size());
    texts.push_back(Wide(filter.substr(start, end - start)));
    start = end + 1;
  }
  return texts;
}

// The filter as the classic dialogs read it: pairs of NUL-ended texts, ended by an empty text.
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

// Shows a classic file dialog (show fills in its own fields and calls it) with the result in buffer,
// opening it again with a larger buffer while the chosen name does not fit. Returns false when the
// user cancels or the dialog fails.
template <class Show>
bool RunWithGrowingBuffer(HWND owner, const std::wstring& filter, std::size_t initialCharacters,
                          std::vector<wchar_t>& buffer, Show&& show) {
  buffer.assign(std::max<std::size_t>(initialCharacters, 2), L'\0');
  for (;;) {
    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = buffer.data();
    request.nMaxFile = static_cast<DWORD>(buffer.size());
    if (show(request)) return true;
    if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL) return false;
    buffer.assign(RetrySize(buffer), L'\0');
  }
}

}  // namespace

std::optional<std::vector<std::u16string>> ShowOpenFilesDialog(HWND owner, std::u16string_view filter,
                                                               bool multiSelect, std::u16string_view initialPath) {
  const ComApartment apartment;
  ComRef<IFileOpenDialog> owned;
  if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                              reinterpret_cast<void**>(owned.out())))) {
    return std::nullopt;
  }
  IFileOpenDialog* dialog = owned.get();
  const std::vector<std::wstring> filterTexts = FilterTexts(filter);
  std::vector<COMDLG_FILTERSPEC> filterSpecs;
  for (std::size_t i = 0; i + 1 < filterTexts.size(); i += 2) {
    filterSpecs.push_back({filterTexts[i].c_str(), filterTexts[i + 1].c_str()});
  }
  if (!filterSpecs.empty() &&
      (FAILED(dialog->SetFileTypes(static_cast<UINT>(filterSpecs.size()), filterSpecs.data())) ||
       FAILED(dialog->SetFileTypeIndex(1)))) {
    return std::nullopt;
  }
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  options |= FOS_FORCEFILESYSTEM | FOS_FILEMUSTEXIST | FOS_PATHMUSTEXIST;
  if (multiSelect) options |= FOS_ALLOWMULTISELECT;
  if (!initialPath.empty() && FAILED(dialog->SetFileName(Wide(initialPath).c_str()))) return std::nullopt;
  if (FAILED(dialog->SetOptions(options)) || FAILED(dialog->Show(owner))) return std::nullopt;  // cancelled or failed
  ComRef<IShellItemArray> chosen;
  DWORD count = 0;
  if (FAILED(dialog->GetResults(chosen.out())) || FAILED(chosen.get()->GetCount(&count))) return std::nullopt;
  std::vector<std::u16string> paths;
  for (DWORD i = 0; i < count; ++i) {
    ComRef<IShellItem> item;
    if (FAILED(chosen.get()->GetItemAt(i, item.out()))) return std::nullopt;
    wchar_t* path = nullptr;
    if (FAILED(item.get()->GetDisplayName(SIGDN_FILESYSPATH, &path))) return std::nullopt;
    const std::unique_ptr<wchar_t, decltype(&CoTaskMemFree)> ownedPath(path, CoTaskMemFree);
    paths.push_back(FromWide(path));
  }
  return paths;
}

std::optional<std::u16string> ShowSaveFileDialog(HWND owner, std::u16string_view filter,
                                                 std::u16string_view defaultExtension,
                                                 std::size_t initialCharacters) {
  const std::wstring filterText = DialogFilter(filter);
  const std::wstring extension = Wide(defaultExtension);
  std::vector<wchar_t> buffer;
  const auto chosen = RunWithGrowingBuffer(owner, filterText, initialCharacters, buffer, [&](OPENFILENAMEW& request) {
    request.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    request.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return GetSaveFileNameW(&request);
  });
  if (!chosen) return std::nullopt;
  return FromWide(buffer.data());
}

}  // namespace lexiglean
