#pragma once
// VocabularyTools: the stand-in's vocabulary tools as IVocabularyTools, with the connection point
// of their progress events and the class information that names the event interface.
#include "com_servers/recogniser/com_object.h"
#include "engine/standin/standin_recogniser.h"

namespace lexiglean::comserver {

ComPtr<::IVocabularyTools> VocabularyToolsObject(const std::shared_ptr<standin::StandinRecogniser>& recogniser);

}  // namespace lexiglean::comserver
