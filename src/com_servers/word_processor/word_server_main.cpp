// lexiglean-word.exe: the stand-in word processor, a local automation server for "Word.Application"
// that converts documents through the Linux converter, for running the product under Wine.
//   lexiglean-word.exe /RegServer     registers it for the current user (exit status 0, else 1)
//   lexiglean-word.exe /UnregServer   removes that registration
//   lexiglean-word.exe -Embedding     serves one client, as COM starts it (also -Automation)
// Any other command line: exit status 2.
#include "platform/case_insensitive.h"

#include <string>
#include <vector>

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "com_servers/word_processor/class_factory.h"
#include "com_servers/word_processor/registration.h"
#include "com_servers/word_processor/server_lifetime.h"

namespace lexiglean::word_server {
namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// The switch named, with "/" or "-", in any letter case.
bool IsSwitch(const std::wstring& argument, std::u16string_view name) {
  if (argument.size() < 2 || (argument[0] != L'/' && argument[0] != L'-')) return false;
  const std::u16string given(argument.begin() + 1, argument.end());
  return EqualIgnoringCase(given, name);
}

// One client: the class object serves a single activation, so each client gets a process of its own.
int Serve() {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return kFailed;
  ApplicationFactory factory;
  DWORD cookie = 0;
  int status = kFailed;
  if (SUCCEEDED(CoRegisterClassObject(kWordServerClassId, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE, &cookie))) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && !IsEndOfServer(message)) DispatchMessageW(&message);
    CoRevokeClassObject(cookie);
    status = kDone;
  }
  CoUninitialize();
  return status;
}

int Run(const std::vector<std::wstring>& arguments) {
  if (arguments.size() != 1) return kUsage;
  const std::wstring& argument = arguments.front();
  if (IsSwitch(argument, u"RegServer")) {
    const std::wstring program = ProgramPath();
    return !program.empty() && RegisterWordServer(program) ? kDone : kFailed;
  }
  if (IsSwitch(argument, u"UnregServer")) return UnregisterWordServer() ? kDone : kFailed;
  if (IsSwitch(argument, u"Embedding") || IsSwitch(argument, u"Automation")) return Serve();
  return kUsage;
}

}  // namespace
}  // namespace lexiglean::word_server

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return 1;
  const std::vector<std::wstring> arguments(words + 1, words + count);
  LocalFree(words);
  return lexiglean::word_server::Run(arguments);
}
