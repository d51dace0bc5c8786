// lexiglean.exe with the recogniser as a local server (a prefix made by tools/wine-standins.sh
// --local-recogniser): the server process is killed in the middle of Search Words. The user sees the
// COM error box, the program keeps running and the word list keeps its rows.
//
// LEXIGLEAN_PROGRAM_EXE names the program; LEXIGLEAN_RECOGNISER_SERVER the server's file name.
#include "window/control_ids.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include "driven_program.h"

namespace lexiglean {
namespace {

using testing::BoxSeen;
using testing::ListRow;
using testing::Program;
using testing::TemporaryFile;

// Ends every process of that file name; returns how many.
int KillProcesses(const std::wstring& name) {
  int killed = 0;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, name.c_str()) != 0) continue;
    if (const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
      killed += TerminateProcess(process, 1) ? 1 : 0;
      CloseHandle(process);
    }
  }
  CloseHandle(snapshot);
  return killed;
}

// Adds one document through the open dialog, answering the "Files Added" box.
void AddDocument(const Program& program, HWND window, const std::wstring& path) {
  PostMessageW(GetDlgItem(window, IDC_ADD_DOCUMENTS), BM_CLICK, 0, 0);
  HWND dialog = program.WaitForOtherDialog();
  ASSERT_NE(dialog, nullptr);
  SendMessageW(testing::FileNameField(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  HWND added = program.WaitForOtherDialog(dialog);
  ASSERT_NE(added, nullptr);
  testing::Answer(added, IDOK);
}

TEST(ProductServerKilledTest, AKilledRecogniserGivesTheComErrorBoxAndTheListKeepsItsRows) {
  const char* server = std::getenv("LEXIGLEAN_RECOGNISER_SERVER");
  if (std::getenv("LEXIGLEAN_PROGRAM_EXE") == nullptr || server == nullptr) GTEST_SKIP() << "not configured";
  const std::wstring pid = std::to_wstring(GetCurrentProcessId());
  const TemporaryFile phrases(L"lexiglean-killed-" + pid + L".txt", "We met the Bank of America team.\r\n");
  std::string text;
  for (int line = 0; line < 200000; ++line) text += "the quick brown fox met Zorblat and Quibbet near the river\r\n";
  const TemporaryFile large(L"lexiglean-killed-large-" + pid + L".txt", text);

  Program program(testing::EnvironmentPath("LEXIGLEAN_PROGRAM_EXE"));
  HWND window = program.WaitForMainWindow();
  ASSERT_NE(window, nullptr) << "no main window";
  HWND list = GetDlgItem(window, IDC_WORD_LIST);
  AddDocument(program, window, phrases.Path());
  EXPECT_EQ(testing::ClickAnsweringBoxes(program, GetDlgItem(window, IDC_SEARCH_PHRASES)), std::vector<BoxSeen>{});
  const std::vector<ListRow> rows = testing::ReadListRows(program.Handle(), list);
  ASSERT_EQ(rows, (std::vector<ListRow>{{L"Bank of America", L"", L"", true}}));

  // Search Words on the large document; the server goes as soon as the analysis has begun.
  AddDocument(program, window, large.Path());
  HWND statusBar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  auto killer = std::async(std::launch::async, [&] {
    for (int polls = 0; polls < 2400; ++polls) {
      if (testing::StatusText(program.Handle(), statusBar).starts_with(L"Analyzing")) {
        return KillProcesses(std::wstring(server, server + std::char_traits<char>::length(server)));
      }
      Sleep(50);
    }
    return 0;
  });
  const std::vector<BoxSeen> boxes = testing::ClickAnsweringBoxes(program, GetDlgItem(window, IDC_SEARCH_WORDS));
  EXPECT_EQ(killer.get(), 1) << "the server was not found running";
  ASSERT_FALSE(boxes.empty()) << "no box after the server was killed";
  for (const BoxSeen& box : boxes) {
    EXPECT_EQ(box.caption, L"Error");
    EXPECT_TRUE(box.text.starts_with(L"Error: 0x8")) << box;
  }
  EXPECT_EQ(WaitForSingleObject(program.Handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the program ended";
  EXPECT_EQ(testing::ReadListRows(program.Handle(), list), rows);
}

}  // namespace
}  // namespace lexiglean
