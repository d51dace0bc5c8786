// The engine control: who the loaded user is, and the detail texts about user, key and engine.
#include "engine/dragon/adapters.h"

namespace lexiglean::dragon {

std::u16string DgnEngineAdapter::get_Speaker() { return ref_.TextResult<10>(); }

// The key's type and the detail methods' parameter layout are not known: late bound, the results
// read as text and the key passed back as text for the server to convert.
std::u16string DgnEngineAdapter::GetCurrentUserKey() { return ref_.InvokeForText(u"GetCurrentUserKey"); }

std::u16string DgnEngineAdapter::GetSpeakerDetail(const std::u16string& speaker, const std::u16string& key) {
  std::vector<Variant> arguments;
  arguments.push_back(Variant::Text(speaker, ref_.Iid()));
  arguments.push_back(Variant::Text(key, ref_.Iid()));
  return ref_.InvokeForText(u"GetSpeakerDetail", arguments);
}

std::u16string DgnEngineAdapter::GetEngineDetail() { return ref_.TextResult<16>(); }

std::u16string DgnEngineAdapter::GetKeyDetail(const std::u16string& key) {
  std::vector<Variant> arguments;
  arguments.push_back(Variant::Text(key, ref_.Iid()));
  return ref_.InvokeForText(u"GetKeyDetail", arguments);
}

}  // namespace lexiglean::dragon
