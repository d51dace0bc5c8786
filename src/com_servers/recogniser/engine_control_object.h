#pragma once
// DgnEngineControl: who the stand-in's loaded user is, and the detail texts, as IDgnEngine.
#include "com_servers/recogniser/com_object.h"
#include "engine/standin/standin_recogniser.h"

namespace lexiglean::comserver {

ComPtr<::IDgnEngine> EngineControlObject(const std::shared_ptr<standin::StandinRecogniser>& recogniser);

}  // namespace lexiglean::comserver
