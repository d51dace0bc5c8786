#include "engine/engine_connection.h"

#include "engine/unexamined.h"
#include "window/control_ids.h"
#include "platform/system_messages.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

constexpr char16_t kSeparator[] = u" : ";

}  // namespace

bool EngineConnection::ConnectEngine() {
  if (recogniser_ == nullptr) return false;
  std::shared_ptr<IDgnEngine> engine;
  try {
    engine = recogniser_->CreateEngineControl();
  } catch (const ComError& error) {
    ShowHresultError(u"Couldn't create a DgnEngineControl", error.Error());
    return false;
  }
  std::u16string speaker;
  try {
    speaker = engine->get_Speaker();
  } catch (const ComError& error) {
    ShowHresultError(u"IDgnEngine::get_Speaker failed", error.Error());
    return false;
  }
  if (speaker.empty()) {
    window_.MessageBox(true,
                       u"  This program requires a user to be loaded before it will run.\n\n"
                       u"  The program will be terminated.",
                       u"Dragon Not Available", MB_ICONEXCLAMATION | MB_OK);
    window_.EndDialog(2);
    return false;
  }
  window_.SetControlText(IDC_USER_DETAILS, UserDetailsText(*engine, speaker));
  engine.reset();

  tools_.reset();
  tools_ = recogniser_->CreateVocabularyTools();
  recogniser_->PrepareEventSink(*tools_, sink_);
  if (sink_.cookie != kNotSubscribedCookie) throw ComError(E_FAIL, IID_VocabularyToolsEvents);
  sink_.cookie = recogniser_->Advise(*tools_, sink_);
  tools_->Initialize(u"", u"");
  keptAnalyzer_.reset();
  keptAnalyzer_ = tools_->get_WordAnalyzer();
  return true;
}

std::u16string EngineConnection::UserDetailsText(IDgnEngine& engine, const std::u16string& speaker) {
  // Every detail may fail and is then left out; a failed key lookup passes the empty key on.
  const std::u16string key = Unexamined([&] { return engine.GetCurrentUserKey(); });
  std::u16string speakerDetail = Unexamined([&] { return engine.GetSpeakerDetail(speaker, key); });
  const std::u16string engineDetail = Unexamined([&] { return engine.GetEngineDetail(); });
  if (!engineDetail.empty()) speakerDetail += kSeparator + engineDetail;
  const std::u16string keyDetail = Unexamined([&] { return engine.GetKeyDetail(key); });
  std::u16string text = speaker;
  if (!keyDetail.empty()) text += kSeparator + keyDetail;
  text += kSeparator;
  text += speakerDetail;
  return text;
}

void EngineConnection::DisconnectEngine() {
  if (tools_ != nullptr) {
    try {
      recogniser_->Unadvise(*tools_, sink_.cookie);
    } catch (const ComError&) {
      // Unsubscribing is best effort: the tools are shut down next either way.
    }
  }
  sink_.cookie = kNotSubscribedCookie;
  // The references go on every path, also when shutting down fails.
  auto tools = std::move(tools_);
  auto analyzer = std::move(keptAnalyzer_);
  if (tools != nullptr) tools->Uninitialize();
}

void EngineConnection::ShowHresultError(const std::u16string& message, HRESULT hr) {
  std::u16string text = message + u" (HRESULT 0x" + HexText(static_cast<std::uint32_t>(hr)) + u")";
  if (const auto description = TakeCurrentErrorDescription()) text += u"\n\"" + *description + u"\"";
  window_.MessageBox(true, text, u"Error", MB_ICONERROR | MB_OK);
  window_.EndDialog(2);
}

}  // namespace lexiglean
