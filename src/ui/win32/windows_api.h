#pragma once
// The Windows headers the window code uses. Include the core's headers first: <windows.h> defines
// macros (IDOK, MB_OK, S_OK, FAILED, ...) with the names of the core's own constants.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <cderr.h>
#include <shellapi.h>

// WindowPort names an operation MessageBox; the Win32 function is called as MessageBoxW.
#undef MessageBox
