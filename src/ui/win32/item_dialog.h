#pragma once
// The modal item dialogs 102 ("Edit Item Dialog") and 103 ("Add New Item").
#include <functional>

#include "window/window_port.h"
#include "ui/win32/windows_api.h"

namespace lexiglean {

// Runs the dialog, owned by owner and placed below it, with the fields filled from initial. Each OK
// calls onOk with the fields as they are and closes the dialog when it returns true; Cancel, Esc and
// the close box close it. Returns true when it closed through onOk. An exception from onOk closes
// the dialog and is thrown again once the dialog is gone. shown holds the dialog while it is open.
bool ShowItemDialog(HINSTANCE instance, HWND owner, int dialogId, const ItemDialogFields& initial,
                    const std::function<bool(const ItemDialogFields&)>& onOk, HWND& shown);

}  // namespace lexiglean
