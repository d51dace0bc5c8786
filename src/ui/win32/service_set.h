#pragma once
// The outside components a Windows program is built with. Each program links exactly one file that
// defines MakeServiceSet: the choice is made by the link, never by a setting.
#include <memory>

#include "app/main_dialog.h"

namespace lexiglean {

class ServiceSet {
 public:
  virtual ~ServiceSet() = default;
  // The recogniser and the word processor for MainDialog; either may be absent.
  virtual MainDialogServices Services() = 0;
};

// Made after COM is initialised for the thread and destroyed before it is uninitialised.
std::unique_ptr<ServiceSet> MakeServiceSet();

}  // namespace lexiglean
