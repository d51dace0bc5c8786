#pragma once
// How long the server's module must stay: while any of its objects lives or a client has locked it.
// The in-process server may be unloaded when the count is zero; the local server ends then.
#include "com_servers/recogniser/com_headers.h"

namespace lexiglean::comserver {

// One hold on the server: every object has one for its life, and each IClassFactory::LockServer(TRUE).
class ServerLock {
 public:
  ServerLock();
  ServerLock(const ServerLock&) = delete;
  ServerLock& operator=(const ServerLock&) = delete;
  ~ServerLock();
};

void LockServer();
void UnlockServer();
bool ServerIdle();

// The local server: when the last hold goes, the thread is sent WM_QUIT.
void EndThreadWhenIdle(DWORD threadId);

}  // namespace lexiglean::comserver
