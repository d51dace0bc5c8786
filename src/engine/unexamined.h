#pragma once
// A recogniser call whose result the program does not examine: a failure is ignored and gives the
// result's empty value, so it never ends the command that made the call.
#include <type_traits>

#include "engine/com_error.h"

namespace lexiglean {

template <typename Call>
auto Unexamined(Call&& call) -> std::invoke_result_t<Call> {
  try {
    return call();
  } catch (const ComError&) {
    if constexpr (!std::is_void_v<std::invoke_result_t<Call>>) return {};
  }
}

}  // namespace lexiglean
