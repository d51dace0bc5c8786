#pragma once
// The object a recogniser call delivered; an absent one counts as an invalid pointer (E_POINTER) of the
// interface that should have delivered it.
#include <memory>

#include "engine/com_error.h"

namespace lexiglean {

template <class Object>
std::shared_ptr<Object> Delivered(std::shared_ptr<Object> object, const Guid& iid) {
  if (object == nullptr) throw ComError(E_POINTER, iid);
  return object;
}

}  // namespace lexiglean
