#pragma once
// Resource and control ids of the Windows program's own resources (lexiglean.rc) that the program
// logic does not name itself.
namespace lexiglean {

inline constexpr int IDD_MAIN_WINDOW = 101;
inline constexpr int IDD_EDIT_ITEM = 102;
inline constexpr int IDD_ADD_ITEM = 103;
inline constexpr int IDI_PROGRAM = 105;

// Fields of the item dialogs.
inline constexpr int IDC_WRITTEN_FORM = 1015;
inline constexpr int IDC_SPOKEN_FORM = 1017;

}  // namespace lexiglean
