#include "com_servers/word_processor/server_lifetime.h"

#include <objbase.h>

namespace lexiglean::word_server {
namespace {

// Time for the client to let go of its objects after "Quit", which ends the server earlier.
constexpr UINT kQuitGraceMilliseconds = 2000;

}  // namespace

void HoldServer() { CoAddRefServerProcess(); }

void ReleaseServer() {
  if (CoReleaseServerProcess() == 0) PostQuitMessage(0);
}

void EndServerSoon() { SetTimer(nullptr, 0, kQuitGraceMilliseconds, nullptr); }

bool IsEndOfServer(const MSG& message) { return message.message == WM_TIMER && message.hwnd == nullptr; }

}  // namespace lexiglean::word_server
