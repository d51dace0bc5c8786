#pragma once
// Resource and control ids of the Windows program's own resources (lexiglean.rc) that the program
// logic does not name itself.
namespace lexiglean {

inline constexpr int IDD_MAIN_WINDOW = 101;
inline constexpr int IDI_PROGRAM = 105;

}  // namespace lexiglean
