#include "window/control_ids.h"

#include "driven_program.h"

#include "descendant_window.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <system_error>

#include <commctrl.h>
#include <dlgs.h>

#include "remote_memory.h"

namespace lexiglean::testing {
namespace {

constexpr DWORD kPollMs = 50;
// Child id of a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

bool IsMainWindow(HWND dialog) { return GetDlgItem(dialog, IDC_WORD_LIST) != nullptr; }

std::string Utf8Escaped(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
  std::string escaped;
  for (char c : bytes) escaped += c == '\n' ? std::string("\\n") : std::string(1, c);
  return escaped;
}

}  // namespace

std::wstring WindowsPath(const char* path) {
  std::wstring text(path, path + std::char_traits<char>::length(path));
  if (text.empty() || text[0] != L'/') return text;
  for (wchar_t& c : text) c = c == L'/' ? L'\\' : c;
  return L"Z:" + text;
}

std::wstring EnvironmentPath(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::wstring() : WindowsPath(value);
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassOf(HWND window) {
  std::wstring name(256, L'\0');
  name.resize(static_cast<std::size_t>(GetClassNameW(window, name.data(), static_cast<int>(name.size()))));
  return name;
}

void Click(HWND button) { SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kPatienceMs, nullptr); }

std::wstring StatusText(HANDLE process, HWND bar) {
  const std::size_t length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0));
  RemoteMemory text(process, (length + 1) * sizeof(wchar_t));
  SendMessageW(bar, SB_GETTEXTW, 0, text.At());
  return text.ReadText(length + 1);
}

std::wstring ItemText(HANDLE process, HWND list, int index, int column) {
  constexpr std::size_t kTextUnits = 256;
  RemoteMemory memory(process, sizeof(LVITEMW) + kTextUnits * sizeof(wchar_t));
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<LPWSTR>(memory.At(sizeof(LVITEMW)));
  item.cchTextMax = kTextUnits;
  memory.Write(&item, sizeof(item));
  SendMessageW(list, LVM_GETITEMTEXTW, index, memory.At());
  return memory.ReadText(kTextUnits, sizeof(LVITEMW));
}

std::ostream& operator<<(std::ostream& out, const ListRow& row) {
  return out << '"' << Utf8Escaped(row.written) << R"(", ")" << Utf8Escaped(row.spoken) << R"(", ")"
             << Utf8Escaped(row.marker) << (row.checked ? R"(", checked)" : R"(", unchecked)");
}

std::vector<ListRow> ReadListRows(HANDLE process, HWND list) {
  std::vector<ListRow> rows;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto state = SendMessageW(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK);
    rows.push_back({ItemText(process, list, i, 0), ItemText(process, list, i, 1), ItemText(process, list, i, 2),
                    (state >> 12) == 2});
  }
  return rows;
}

HWND FileNameField(HWND dialog) { return FindDescendant(dialog, L"Edit"); }

TemporaryFile::TemporaryFile(const std::wstring& name, const std::string& content) {
  std::wstring folder(GetTempPathW(0, nullptr), L'\0');
  folder.resize(GetTempPathW(static_cast<DWORD>(folder.size()), folder.data()));
  path_ = std::filesystem::path(folder) / name;
  std::ofstream(path_, std::ios::binary) << content;
}

TemporaryFile::~TemporaryFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

std::ostream& operator<<(std::ostream& out, const BoxSeen& box) {
  return out << '"' << Utf8Escaped(box.caption) << "\" | \"" << Utf8Escaped(box.text) << '"';
}

BoxSeen Answer(HWND box, int button) {
  BoxSeen seen{TextOf(box), TextOf(GetDlgItem(box, kMessageBoxTextId))};
  // Posted: the click returns only when the box has ended its modal loop.
  PostMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
  for (DWORD waited = 0; waited < kPatienceMs && IsWindow(box) && IsWindowVisible(box); waited += kPollMs) {
    Sleep(kPollMs);
  }
  return seen;
}

void OfferScreenshot(HWND window, const char* name) {
  RECT frame{};
  GetWindowRect(window, &frame);
  OfferScreenshot(window, frame, name);
}

void OfferScreenshot(HWND window, const RECT& area, const char* name) {
  const std::wstring done = EnvironmentPath("LEXIGLEAN_SCREENSHOT_DONE");
  if (done.empty()) return;
  DeleteFileW(done.c_str());
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  std::printf("lexiglean-screenshot %s %ld %ld %ld %ld\n", name, area.left, area.top, area.right - area.left,
              area.bottom - area.top);
  std::fflush(stdout);
  for (DWORD waited = 0; waited < kPatienceMs && GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES;
       waited += 100) {
    Sleep(100);
  }
}

Program::Program(const std::wstring& executable) {
  std::wstring commandLine = L"\"" + executable + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  started_ = CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_) != FALSE;
}

Program::~Program() {
  if (!started_) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::optional<DWORD> Program::WaitForEnd() const {
  if (WaitForSingleObject(process_.hProcess, kPatienceMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::vector<HWND> Program::VisibleDialogs() const {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{process_.dwProcessId, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == search.processId && IsWindowVisible(window) && ClassOf(window) == L"#32770") {
          search.found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> Program::MainWindows() const {
  std::vector<HWND> found;
  for (HWND dialog : VisibleDialogs()) {
    if (IsMainWindow(dialog)) found.push_back(dialog);
  }
  return found;
}

HWND Program::WaitForMainWindow() const {
  for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
    if (const auto windows = MainWindows(); !windows.empty()) return windows.front();
    if (WaitForSingleObject(process_.hProcess, kPollMs) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

HWND Program::WaitForOtherDialog(HWND besides) const {
  for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
    for (HWND dialog : VisibleDialogs()) {
      if (!IsMainWindow(dialog) && dialog != besides) return dialog;
    }
    if (WaitForSingleObject(process_.hProcess, kPollMs) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

std::vector<BoxSeen> ClickAnsweringBoxes(const Program& program, HWND button) {
  // The click waits for the command on a thread of its own while this one answers the boxes.
  auto clicked = std::async(std::launch::async, [button] { Click(button); });
  std::vector<BoxSeen> boxes;
  while (clicked.wait_for(std::chrono::milliseconds(kPollMs)) != std::future_status::ready) {
    for (HWND dialog : program.VisibleDialogs()) {
      if (IsMainWindow(dialog)) continue;
      boxes.push_back(Answer(dialog, GetDlgItem(dialog, IDOK) != nullptr ? IDOK : IDNO));
    }
  }
  return boxes;
}

}  // namespace lexiglean::testing
