#pragma once
// Test helper: a Windows program started and driven from this process as a user would, through its
// windows: finding its main window and the dialogs and message boxes it opens, reading them and
// answering them, reading its status bar and word list, and offering run-smoke-test.sh a moment for a
// picture.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <windows.h>

namespace lexiglean::testing {

// Guards against a hang only; nothing here measures time.
inline constexpr DWORD kPatienceMs = 120000;

// A Unix path as Wine sees it (drive Z: is the root); a Windows path stays as it is.
std::wstring WindowsPath(const char* path);
// An environment variable holding a path, as a Windows path; empty when it is not set.
std::wstring EnvironmentPath(const char* name);

std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
// A button click that returns once the program has handled it (and whatever it opened has closed).
void Click(HWND button);
// The text of a status bar's only part, read through the program's memory.
std::wstring StatusText(HANDLE process, HWND bar);

// A row of the word list as the user sees it.
struct ListRow {
  std::wstring written;
  std::wstring spoken;
  std::wstring marker;
  bool checked = false;
  bool operator==(const ListRow&) const = default;
};
// For test messages: the texts in UTF-8 and the check box.
std::ostream& operator<<(std::ostream& out, const ListRow& row);
// The rows of the program's word list (texts up to 255 characters), read through its memory.
std::vector<ListRow> ReadListRows(HANDLE process, HWND list);

// The file-name field of an open dialog: the edit box at the bottom of the controls with id cmb13 (a
// combo box, which Wine wraps in an extended combo box).
HWND FileNameField(HWND dialog);

// A file in the temporary folder, removed again at the end.
class TemporaryFile {
 public:
  TemporaryFile(const std::wstring& name, const std::string& content);
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  std::wstring Path() const { return path_.wstring(); }

 private:
  std::filesystem::path path_;
};

// A message box as the user sees it: caption and text.
struct BoxSeen {
  std::wstring caption;
  std::wstring text;
  bool operator==(const BoxSeen&) const = default;
};
// For test messages: caption and text in UTF-8, line feeds as \n.
std::ostream& operator<<(std::ostream& out, const BoxSeen& box);
// Reads a message box, presses its button (IDOK, IDYES, IDNO) and waits until the box has gone.
BoxSeen Answer(HWND box, int button);

// When LEXIGLEAN_SCREENSHOT_DONE names a file, prints "lexiglean-screenshot NAME X Y WIDTH HEIGHT"
// for the window and waits until run-smoke-test.sh has taken NAME.png and made that file.
void OfferScreenshot(HWND window, const char* name);
// The same for an area of the screen, after window (and its controls) has been redrawn.
void OfferScreenshot(HWND window, const RECT& area, const char* name);

// One run of a program; ended by force if a test leaves it running.
class Program {
 public:
  explicit Program(const std::wstring& executable);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return started_; }
  HANDLE Handle() const { return process_.hProcess; }
  // The exit code once the program has ended, or nothing while it keeps running.
  std::optional<DWORD> WaitForEnd() const;
  // Every visible dialog of the program, its main window included.
  std::vector<HWND> VisibleDialogs() const;
  // The visible main windows (dialog 101, known by its word list).
  std::vector<HWND> MainWindows() const;
  HWND WaitForMainWindow() const;
  // The first visible dialog other than the main window and besides (a message box, a file
  // dialog) once one shows; nullptr when the program ends first.
  HWND WaitForOtherDialog(HWND besides = nullptr) const;

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

// Clicks a button of the program and returns once the command has ended, answering every message
// box it opens meanwhile with OK (No for a Yes/No box); returns those boxes.
std::vector<BoxSeen> ClickAnsweringBoxes(const Program& program, HWND button);

}  // namespace lexiglean::testing
