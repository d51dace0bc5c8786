#include "engine/standin/engine_control.h"

#include "engine/standin/standin_error.h"
#include "platform/text.h"

namespace lexiglean::standin {

const LoadedUser& StandinEngineControl::User() {
  const std::optional<LoadedUser>& user = profile_->User();
  if (!user) throw StandinError(E_FAIL, u"No user is loaded.");
  return *user;
}

std::u16string StandinEngineControl::get_Speaker() {
  return ComCall(IID_IDgnEngine, [&]() -> std::u16string {
    const std::optional<LoadedUser>& user = profile_->User();
    return user ? user->name : std::u16string();
  });
}

std::u16string StandinEngineControl::GetCurrentUserKey() {
  return ComCall(IID_IDgnEngine, [&]() -> std::u16string { return PathText(User().folder); });
}

std::u16string StandinEngineControl::GetSpeakerDetail(const std::u16string& speaker, const std::u16string&) {
  return ComCall(IID_IDgnEngine, [&]() -> std::u16string {
    if (speaker != User().name) throw StandinError(E_INVALIDARG, u"No user named \"" + speaker + u"\" is loaded.");
    const auto count = static_cast<std::int64_t>(profile_->Words().CustomWords().size());
    return u"custom words: " + DecimalText(count);
  });
}

std::u16string StandinEngineControl::GetEngineDetail() { return kStandinEngineDetail; }

std::u16string StandinEngineControl::GetKeyDetail(const std::u16string& key) {
  return ComCall(IID_IDgnEngine, [&]() -> std::u16string {
    const std::u16string folder = PathText(User().folder);
    if (key != folder) throw StandinError(E_INVALIDARG, u"The key \"" + key + u"\" names no user of this recogniser.");
    return u"profile " + folder;
  });
}

}  // namespace lexiglean::standin
