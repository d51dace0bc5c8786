#pragma once
// Test helper: the rows of another process's word list (list view 1008) as the user sees them.
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "remote_memory.h"

namespace lexiglean::testing {

struct Row {
  std::wstring written;
  std::wstring spoken;
  std::wstring marker;
  bool checked = false;
  bool operator==(const Row&) const = default;
};

inline void PrintTo(const Row& row, std::ostream* out) {
  *out << ::testing::PrintToString(row.written) << ", " << ::testing::PrintToString(row.spoken) << ", "
       << ::testing::PrintToString(row.marker) << (row.checked ? ", checked" : ", unchecked");
}

inline std::wstring ItemText(HANDLE process, HWND list, int index, int column) {
  constexpr std::size_t kTextUnits = 256;
  RemoteMemory memory(process, sizeof(LVITEMW) + kTextUnits * sizeof(wchar_t));
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<LPWSTR>(memory.At(sizeof(LVITEMW)));
  item.cchTextMax = kTextUnits;
  memory.Write(&item, sizeof(item));
  SendMessageW(list, LVM_GETITEMTEXTW, index, memory.At());
  return memory.ReadText(kTextUnits, sizeof(LVITEMW));
}

inline std::vector<Row> ReadRows(HANDLE process, HWND list) {
  std::vector<Row> rows;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto state = SendMessageW(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK);
    rows.push_back({ItemText(process, list, i, 0), ItemText(process, list, i, 1), ItemText(process, list, i, 2),
                    (state >> 12) == 2});
  }
  return rows;
}

}  // namespace lexiglean::testing
