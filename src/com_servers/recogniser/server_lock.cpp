#include "com_servers/recogniser/server_lock.h"

#include <atomic>

namespace lexiglean::comserver {
namespace {

// The module's holds and the local server's main thread: the process-wide state COM asks a server
// to keep (DllCanUnloadNow, the end of a local server).
std::atomic<long> holds{0};
std::atomic<DWORD> threadToEnd{0};

}  // namespace

void LockServer() { ++holds; }

void UnlockServer() {
  if (--holds == 0) {
    if (const DWORD thread = threadToEnd.load(); thread != 0) PostThreadMessageW(thread, kServerIdleMessage, 0, 0);
  }
}

bool ServerIdle() { return holds.load() == 0; }

void EndThreadWhenIdle(DWORD threadId) { threadToEnd = threadId; }

ServerLock::ServerLock() { LockServer(); }
ServerLock::~ServerLock() { UnlockServer(); }

}  // namespace lexiglean::comserver
