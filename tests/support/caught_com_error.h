#pragma once
// The ComError a call raises; fails the test when it raises none.
#include <gtest/gtest.h>

#include "engine/com_error.h"

namespace lexiglean::testing {

template <typename Call>
ComError CaughtComError(Call&& call) {
  try {
    call();
  } catch (const ComError& error) {
    return error;
  }
  ADD_FAILURE() << "no ComError was raised";
  return ComError(S_OK, GUID_NULL);
}

}  // namespace lexiglean::testing
