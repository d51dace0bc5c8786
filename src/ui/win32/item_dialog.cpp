#include "window/control_ids.h"

#include "ui/win32/item_dialog.h"

#include <exception>
#include <string>

#include "ui/win32/wide_text.h"
#include "ui/win32/window_placement.h"
#include "ui/win32/window_text.h"

namespace lexiglean {
namespace {

struct ItemDialogRun {
  const ItemDialogFields& initial;
  const std::function<bool(const ItemDialogFields&)>& onOk;
  HWND& shown;
  bool closedThroughOk = false;
  std::exception_ptr failure;
};

void OnOk(HWND dialog, ItemDialogRun& run) {
  try {
    const ItemDialogFields fields{FromWide(ControlText(dialog, IDC_WRITTEN_FORM)),
                                  FromWide(ControlText(dialog, IDC_SPOKEN_FORM))};
    if (!run.onOk(fields)) return;
    run.closedThroughOk = true;
    EndDialog(dialog, IDOK);
  } catch (...) {
    // Nothing may unwind through the system's dialog code: the caller gets it after the dialog.
    run.failure = std::current_exception();
    EndDialog(dialog, IDCANCEL);
  }
}

INT_PTR CALLBACK ItemDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto& run = *reinterpret_cast<ItemDialogRun*>(lParam);
    run.shown = dialog;
    PlaceBelowOwner(dialog);
    SetDlgItemTextW(dialog, IDC_WRITTEN_FORM, Wide(run.initial.written).c_str());
    SetDlgItemTextW(dialog, IDC_SPOKEN_FORM, Wide(run.initial.spoken).c_str());
    return TRUE;  // the first field gets the focus
  }
  auto* run = reinterpret_cast<ItemDialogRun*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (run == nullptr || message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      OnOk(dialog, *run);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

bool ShowItemDialog(HINSTANCE instance, HWND owner, int dialogId, const ItemDialogFields& initial,
                    const std::function<bool(const ItemDialogFields&)>& onOk, HWND& shown) {
  ItemDialogRun run{initial, onOk, shown, false, nullptr};
  DialogBoxParamW(instance, MAKEINTRESOURCEW(dialogId), owner, ItemDialogProc, reinterpret_cast<LPARAM>(&run));
  shown = nullptr;
  if (run.failure) std::rethrow_exception(run.failure);
  return run.closedThroughOk;
}

}  // namespace lexiglean
