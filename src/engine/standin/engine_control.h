#pragma once
// The stand-in's engine control: who is loaded, and truthful details of the stand-in and its profile.
#include <memory>

#include "engine/recogniser.h"
#include "engine/standin/standin_profile.h"

namespace lexiglean::standin {

inline constexpr char16_t kStandinEngineDetail[] = u"Lexiglean stand-in recogniser 1.0";

class StandinEngineControl : public IDgnEngine {
 public:
  explicit StandinEngineControl(std::shared_ptr<StandinProfile> profile) : profile_(std::move(profile)) {}

  // The loaded user's name; empty when none is loaded.
  std::u16string get_Speaker() override;
  // The loaded user's folder.
  std::u16string GetCurrentUserKey() override;
  // "custom words: N" for the loaded user.
  std::u16string GetSpeakerDetail(const std::u16string& speaker, const std::u16string& key) override;
  std::u16string GetEngineDetail() override;
  // The folder the key names (the loaded user's).
  std::u16string GetKeyDetail(const std::u16string& key) override;

 private:
  const LoadedUser& User();

  std::shared_ptr<StandinProfile> profile_;
};

}  // namespace lexiglean::standin
