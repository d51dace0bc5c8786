// Runs a lexiglean-script script against a real Windows program as a person would: starts the program
// named by LEXIGLEAN_PROGRAM_EXE, clicks its buttons, answers its boxes and file dialogs from the
// script's queues, and prints what the program shows in lexiglean-script's own format (the user
// details, status texts, boxes and answers, the list). run-product-road.sh compares that with what
// lexiglean-script prints for the same script, line by line.
//
//   lexiglean_road_driver.exe SCRIPT
//
// With LEXIGLEAN_ROAD_PICTURE set, each dump also offers run-smoke-test.sh a picture of the main window
// under that name. Status texts are read whenever the driver looks (before each box, after each command), so a text
// that is overwritten before it looks is not seen; the comparison keeps the last of each run.
// Exit status 0 when the script ran to its end, 1 when the program could not be driven, 2 for a
// script this driver cannot run.
#include "window/control_ids.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <future>
#include <optional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "driven_program.h"
#include "platform/text.h"
#include "remote_memory.h"
#include "ui/script/script_parser.h"
#include "ui/script/scripted_window.h"

namespace lexiglean {
namespace {

using testing::Program;

constexpr int kMessageBoxTextId = 0xFFFF;

std::string Printed(const std::wstring& text) {
  return EventText(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

std::wstring Wide(const std::string& utf8) {
  const std::u16string text = Utf8ToUtf16(utf8);
  return std::wstring(text.begin(), text.end());
}

std::wstring FullPath(const std::string& path) {
  const std::wstring relative = Wide(path);
  std::wstring full(GetFullPathNameW(relative.c_str(), 0, nullptr, nullptr), L'\0');
  full.resize(GetFullPathNameW(relative.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  return full;
}

class RoadDriver {
 public:
  explicit RoadDriver(const Program& program) : program_(program) {}

  // Waits for the main window, answering the boxes shown before it; false when the program ended
  // without showing it (after a failed connection).
  bool Start() {
    for (DWORD waited = 0; window_ == nullptr; waited += 50) {
      for (HWND dialog : program_.VisibleDialogs()) {
        if (GetDlgItem(dialog, IDC_WORD_LIST) != nullptr) {
          window_ = dialog;
        } else if (GetDlgItem(dialog, kMessageBoxTextId) != nullptr) {
          AnswerBox(dialog);
        }
      }
      const bool ended = WaitForSingleObject(program_.Handle(), 50) == WAIT_OBJECT_0;
      if (window_ == nullptr && (ended || waited > testing::kPatienceMs)) return false;
    }
    std::cout << "details: " << Printed(ControlText(Item(IDC_USER_DETAILS))) << '\n';
    const auto shown = std::chrono::steady_clock::now() - started_;
    std::cerr << "the main window showed the user details after "
              << std::chrono::duration_cast<std::chrono::milliseconds>(shown).count() << " ms\n";
    NoteStatus();
    return true;
  }

  // Runs one command; false for a command this driver does not know.
  bool Run(const ScriptLine& line) {
    const std::string& command = line.words[0];
    if (command == "answer") {
      answers_.push_back(line.words[1]);
    } else if (command == "files") {
      files_.emplace_back(line.words.begin() + 1, line.words.end());
    } else if (command == "dump") {
      Dump();
      if (const char* picture = std::getenv("LEXIGLEAN_ROAD_PICTURE")) testing::OfferScreenshot(window_, picture);
    } else if (command == "click") {
      ClickButton(ParseNumber(line.words[1]), line.text);
    } else if (command == "drop") {
      Drop(std::vector<std::string>(line.words.begin() + 1, line.words.end()));
    } else {
      return false;
    }
    return true;
  }

 private:
  HWND Item(int id) const { return GetDlgItem(window_, id); }

  // A control's text asked of the control itself (GetWindowText does not ask another process's).
  static std::wstring ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
  }

  void NoteStatus() {
    if (window_ == nullptr) return;
    HWND bar = FindWindowExW(window_, nullptr, STATUSCLASSNAMEW, nullptr);
    if (bar == nullptr) return;
    const std::wstring status = testing::StatusText(program_.Handle(), bar);
    if (status == lastStatus_) return;
    lastStatus_ = status;
    std::cout << "status: " << Printed(status) << '\n';
  }

  void Dump() {
    const std::vector<testing::ListRow> rows = testing::ReadListRows(program_.Handle(), Item(IDC_WORD_LIST));
    std::size_t checked = 0;
    for (const auto& row : rows) checked += row.checked ? 1 : 0;
    std::cout << "list: " << rows.size() << " items, " << checked << " checked\n";
    for (const auto& row : rows) {
      std::cout << (row.checked ? "[x]" : "[ ]") << '\t' << Printed(row.written) << '\t' << Printed(row.spoken)
                << '\t' << Printed(row.marker) << '\n';
    }
  }

  void ClickButton(int id, const std::string& text) {
    HWND button = Item(id);
    if (button == nullptr || !IsWindowVisible(button) || !IsWindowEnabled(button)) {
      std::cout << "ignored: " << text << '\n';
      return;
    }
    Handle([button] { testing::Click(button); });
  }

  // A drop as Explorer makes it: full paths in a DROPFILES block in the program's memory (Wine takes
  // such a page as the drop's global memory), sent as WM_DROPFILES.
  void Drop(const std::vector<std::string>& paths) {
    std::wstring names;
    for (const auto& path : paths) names += FullPath(path) + L'\0';
    names += L'\0';
    testing::RemoteMemory block(program_.Handle(), sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    block.Write(&header, sizeof(header));
    block.Write(names.data(), names.size() * sizeof(wchar_t), sizeof(DROPFILES));
    HWND window = window_;
    const auto drop = static_cast<WPARAM>(block.At());
    Handle([window, drop] {
      SendMessageTimeoutW(window, WM_DROPFILES, drop, 0, SMTO_ABORTIFHUNG, testing::kPatienceMs, nullptr);
    });
  }

  // Runs what the user did on a thread of its own, waiting there for the program to handle it, while
  // this one answers the dialogs it opens.
  void Handle(std::function<void()> action) {
    auto handled = std::async(std::launch::async, std::move(action));
    while (handled.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
      for (HWND dialog : program_.VisibleDialogs()) {
        if (dialog == window_) continue;
        if (GetDlgItem(dialog, kMessageBoxTextId) != nullptr) {
          AnswerBox(dialog);
        } else if (HWND field = testing::FileNameField(dialog)) {
          AnswerFileDialog(dialog, field);
        } else {
          PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // an item dialog without queued fields
        }
      }
    }
    if (IsWindowVisible(window_)) NoteStatus();  // not once the window has ended
  }

  void AnswerBox(HWND box) {
    NoteStatus();
    std::string answer = GetDlgItem(box, IDYES) != nullptr ? "no" : "ok";
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
    const int button = answer == "yes" ? IDYES : answer == "no" ? IDNO : answer == "cancel" ? IDCANCEL : IDOK;
    const testing::BoxSeen seen = testing::Answer(box, button);
    std::cout << "box: " << Printed(seen.caption) << " | " << Printed(seen.text) << '\n';
    std::cout << "answer: " << answer << '\n';
  }

  // Several files are chosen as a person does: the folder first, then the quoted names in it.
  void AnswerFileDialog(HWND dialog, HWND field) {
    std::vector<std::string> chosen;
    if (!files_.empty()) {
      chosen = files_.front();
      files_.pop_front();
    }
    if (chosen.empty() || chosen == std::vector<std::string>{"cancel"}) {
      PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    } else {
      std::wstring names;
      if (chosen.size() == 1) {
        names = FullPath(chosen[0]);
      } else {
        const std::wstring folder = FullPath(chosen[0]);
        Type(dialog, field, folder.substr(0, folder.find_last_of(L'\\') + 1));
        for (const auto& path : chosen) {
          const std::wstring full = FullPath(path);
          names += L"\"" + full.substr(full.find_last_of(L'\\') + 1) + L"\" ";
        }
      }
      Type(dialog, field, names);
    }
    for (int waited = 0; waited < 2400 && IsWindow(dialog) && IsWindowVisible(dialog); ++waited) Sleep(50);
  }

  static void Type(HWND dialog, HWND field, const std::wstring& text) {
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageTimeoutW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, testing::kPatienceMs, nullptr);
  }

  const Program& program_;
  const std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  HWND window_ = nullptr;
  std::wstring lastStatus_;
  std::deque<std::string> answers_;
  std::deque<std::vector<std::string>> files_;
};

int RunRoad(const char* scriptPath) {
  std::ifstream file(scriptPath, std::ios::binary);
  std::stringstream script;
  script << file.rdbuf();
  const ParsedScript parsed = ParseScript(script.str());
  if (!file || !parsed.error.empty()) {
    std::cerr << scriptPath << ": " << (file ? parsed.error : "cannot be read") << '\n';
    return 2;
  }
  Program program(testing::EnvironmentPath("LEXIGLEAN_PROGRAM_EXE"));
  RoadDriver driver(program);
  if (!program.Started()) {
    std::cerr << "the program did not start\n";
    return 1;
  }
  if (!driver.Start()) {
    const std::optional<DWORD> code = program.WaitForEnd();
    std::cerr << "the program ended before its main window showed, exit code "
              << (code ? std::to_string(*code) : std::string("none")) << '\n';
    return code == std::optional<DWORD>(0) ? 0 : 1;
  }
  for (const ScriptLine& line : parsed.lines) {
    if (WaitForSingleObject(program.Handle(), 0) == WAIT_OBJECT_0) break;
    if (!driver.Run(line)) {
      std::cerr << "not supported by the road driver: " << line.text << '\n';
      return 2;
    }
    std::cout.flush();
  }
  if (program.WaitForEnd() == std::nullopt) {
    std::cerr << "the program did not end with the script\n";
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace lexiglean

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: lexiglean_road_driver SCRIPT\n";
    return 2;
  }
  return lexiglean::RunRoad(argv[1]);
}
