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

// The local server: when the last hold goes, the thread is sent kServerIdleMessage. It ends only when it
// is still idle a while later: a client that lets go of one object and creates the next at once (the
// engine control, then the vocabulary tools) would otherwise reach a server that is ending.
inline constexpr UINT kServerIdleMessage = WM_APP + 1;
inline constexpr UINT kServerLingerMs = 3000;
void EndThreadWhenIdle(DWORD threadId);

}  // namespace lexiglean::comserver
