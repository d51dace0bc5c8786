#pragma once
// How long the stand-in word processor's process lives: while an object or a lock holds it, and no
// longer than a moment after "Quit" (a client that quits but keeps its references is let go). Called
// on the server's one thread, whose message loop ends when the time has come.
#include <windows.h>

namespace lexiglean::word_server {

void HoldServer();
// Ends the message loop when nothing holds the server any more.
void ReleaseServer();
// Ends the message loop a moment from now, whatever still holds the server.
void EndServerSoon();
// True for the message that EndServerSoon sends.
bool IsEndOfServer(const MSG& message);

}  // namespace lexiglean::word_server
