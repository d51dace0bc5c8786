// lexiglean.exe: the recogniser over COM and the word processor over OLE automation.
#include "ui/win32/service_set.h"

#include "documents/word/ole_word_processor.h"
#include "engine/dragon/dragon_recogniser.h"

namespace lexiglean {
namespace {

class ProductServices final : public ServiceSet {
 public:
  MainDialogServices Services() override { return {&recogniser_, &wordProcessor_}; }

 private:
  dragon::DragonRecogniser recogniser_;
  OleWordProcessor wordProcessor_;
};

}  // namespace

std::unique_ptr<ServiceSet> MakeServiceSet() { return std::make_unique<ProductServices>(); }

}  // namespace lexiglean
