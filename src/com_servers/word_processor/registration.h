#pragma once
// The stand-in word processor's registration: the ProgID "Word.Application" leads to its own class,
// whose local server is this program. Per machine (HKEY_LOCAL_MACHINE\Software\Classes): Wine 8 does
// not look under HKEY_CURRENT_USER\Software\Classes, so on Windows registering needs an administrator.
#include <string>

#include <windows.h>

namespace lexiglean::word_server {

// {DC1F555A-0BAE-40EF-8D60-2DCBADE16C50}: the stand-in's own, not the word processor's.
inline constexpr CLSID kWordServerClassId = {0xdc1f555a, 0x0bae, 0x40ef, {0x8d, 0x60, 0x2d, 0xcb, 0xad, 0xe1, 0x6c, 0x50}};

// Writes the keys for the program at `programPath`; false (nothing left written) when it cannot.
bool RegisterWordServer(const std::wstring& programPath);
// Removes every key RegisterWordServer writes; the ProgID only while it leads to this class.
bool UnregisterWordServer();

}  // namespace lexiglean::word_server
