#pragma once
// Late-bound calls into an automation object by member name, the one way the program talks to the
// word processor. A failed call shows its box (no owner, one OK button) and throws AutomationFailure,
// so the job that made it can give its document up instead of the program ending.
#include <array>
#include <functional>
#include <new>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "documents/word/variant.h"

namespace lexiglean {

enum class AutomationKind : WORD {
  Call = DISPATCH_METHOD,
  Get = DISPATCH_PROPERTYGET,
  Put = DISPATCH_PROPERTYPUT,
};

// Shows an error box: text, caption.
using ErrorBox = std::function<void(std::u16string_view text, std::u16string_view caption)>;

// The error box of the automation layer: no owner window, one OK button.
void ShowOwnerlessErrorBox(std::u16string_view text, std::u16string_view caption);

// An automation call failed; its box has been shown.
class AutomationFailure : public std::runtime_error {
 public:
  AutomationFailure(std::u16string_view boxText, HRESULT status);
  HRESULT status() const { return status_; }

 private:
  HRESULT status_;
};

class Automation {
 public:
  explicit Automation(ErrorBox showBox = ShowOwnerlessErrorBox);

  // Calls `member` of `object` with the arguments (32-bit integers or texts) given in reverse order:
  // the first one given is the member's last parameter. `result`, when given, is emptied first and
  // receives the returned value. Returns the call's status, always a success: a missing object, an
  // unknown member or a failed call shows its box and throws AutomationFailure.
  template <typename... Arguments>
  HRESULT AutoWrap(AutomationKind kind, Variant* result, IDispatch* object, std::u16string_view member,
                   const Arguments&... arguments) const {
    const std::array<Variant, sizeof...(Arguments)> values{Variant(arguments)...};
    return AutoWrapValues(kind, result, object, member, values);
  }

  // The same call for cleaning up after a failure: no box, no exception; returns the status.
  template <typename... Arguments>
  HRESULT TryAutoWrap(AutomationKind kind, IDispatch* object, std::u16string_view member,
                      const Arguments&... arguments) const noexcept {
    try {
      const std::array<Variant, sizeof...(Arguments)> values{Variant(arguments)...};
      return InvokeByName(kind, nullptr, object, member, values).status;
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
  }

  // Shows the box and throws AutomationFailure with the status.
  [[noreturn]] void Fail(std::u16string_view text, std::u16string_view caption, HRESULT status) const;

  const ErrorBox& showBox() const { return showBox_; }

 private:
  enum class Stage { Done, NoObject, Lookup, Invoke };
  struct Outcome {
    Stage stage;
    HRESULT status;
    DISPID dispatchId;
  };

  HRESULT AutoWrapValues(AutomationKind kind, Variant* result, IDispatch* object, std::u16string_view member,
                         std::span<const Variant> arguments) const;
  static Outcome InvokeByName(AutomationKind kind, Variant* result, IDispatch* object,
                              std::u16string_view member, std::span<const Variant> arguments);

  ErrorBox showBox_;
};

}  // namespace lexiglean
