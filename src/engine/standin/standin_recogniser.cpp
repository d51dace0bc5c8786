#include "engine/standin/standin_recogniser.h"

#include "engine/standin/engine_control.h"
#include "engine/standin/standin_error.h"
#include "engine/standin/standin_profile.h"
#include "engine/standin/vocabulary_tools.h"

namespace lexiglean::standin {
namespace {

StandinVocabularyTools& OwnTools(IVocabularyTools& tools) {
  auto* own = dynamic_cast<StandinVocabularyTools*>(&tools);
  if (own == nullptr) throw StandinError(E_INVALIDARG, u"The vocabulary tools do not come from this recogniser.");
  return *own;
}

}  // namespace

StandinRecogniser::StandinRecogniser(StandinOptions options)
    : profile_(std::make_shared<StandinProfile>(
          options.profileRoot.empty() ? DefaultProfileRoot() : std::move(options.profileRoot),
          std::move(options.systemWordList), std::move(options.files))),
      convertDocument_(std::move(options.convertDocument)) {}

void StandinRecogniser::SetDocumentConverter(DocumentConverter convert) { convertDocument_ = std::move(convert); }

std::shared_ptr<IDgnEngine> StandinRecogniser::CreateEngineControl() {
  return std::make_shared<StandinEngineControl>(profile_);
}

std::shared_ptr<IVocabularyTools> StandinRecogniser::CreateVocabularyTools() {
  auto session = std::make_shared<ToolsSession>();
  session->profile = profile_;
  session->convertDocument = convertDocument_;
  return std::make_shared<StandinVocabularyTools>(std::move(session));
}

void StandinRecogniser::PrepareEventSink(IVocabularyTools&, IVocabularyToolsEvents&) {}

std::uint32_t StandinRecogniser::Advise(IVocabularyTools& tools, IVocabularyToolsEvents& sink) {
  return ComCall(IID_VocabularyToolsEvents, [&] { return OwnTools(tools).Events().Advise(sink); });
}

void StandinRecogniser::Unadvise(IVocabularyTools& tools, std::uint32_t cookie) {
  ComCall(IID_VocabularyToolsEvents, [&] { OwnTools(tools).Events().Unadvise(cookie); });
}

}  // namespace lexiglean::standin
