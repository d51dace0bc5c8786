// lexiglean-standin.exe: the real window over the embedded stand-in recogniser and no word processor
// (the stand-in converter's back-ends exist on Linux only), for tests and screenshots.
#include "ui/win32/service_set.h"

#include "engine/standin/standin_recogniser.h"

namespace lexiglean {
namespace {

class StandinServices final : public ServiceSet {
 public:
  MainDialogServices Services() override { return {&recogniser_, nullptr}; }

 private:
  standin::StandinRecogniser recogniser_;
};

}  // namespace

std::unique_ptr<ServiceSet> MakeServiceSet() { return std::make_unique<StandinServices>(); }

}  // namespace lexiglean
