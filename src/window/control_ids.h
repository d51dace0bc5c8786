#pragma once
// Control ids of the main window (dialog 101) and the item dialogs, and the Win32 constants the
// program logic speaks in, with their Win32 names and values. Win32 sources include this header
// before <windows.h>, whose macros of the same names would otherwise replace these declarations.

namespace lexiglean {

// Main window controls.
inline constexpr int IDC_EXIT = 2;  // the dialog's cancel command; Esc and the close box raise it too
inline constexpr int IDC_GET_CUSTOM_WORDS = 1001;
inline constexpr int IDC_SEARCH_PHRASES = 1003;
inline constexpr int IDC_CHECK_UNCHECK_ALL = 1005;
inline constexpr int IDC_WORD_LIST = 1008;
inline constexpr int IDC_CLEAR_ALL = 1009;
inline constexpr int IDC_EDIT_ITEM = 1010;
inline constexpr int IDC_ADD_ITEM = 1014;
inline constexpr int IDC_CREATE_SPOKEN_FORMS = 1018;
inline constexpr int IDC_TO_TXT_FILE = 1019;
inline constexpr int IDC_PUT_CUSTOM_WORDS = 1021;
inline constexpr int IDC_CAP_SENSITIVE = 1025;
inline constexpr int IDC_USER_DETAILS = 1026;
inline constexpr int IDC_ADAPT_WRITING_STYLE = 1027;
inline constexpr int IDC_DOCUMENT_LIST = 1028;
inline constexpr int IDC_ADD_DOCUMENTS = 1029;
inline constexpr int IDC_REMOVE_DOCUMENT = 1031;
inline constexpr int IDC_SEARCH_WORDS = 1032;
inline constexpr int IDC_FROM_TXT_FILE = 1033;
inline constexpr int IDC_CHECK_FIRST_WORD = 1034;

// Dialog commands and message-box answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message-box buttons and icons.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;

// Notification codes.
inline constexpr int BN_CLICKED = 0;
inline constexpr int CBN_SELCHANGE = 1;

}  // namespace lexiglean
