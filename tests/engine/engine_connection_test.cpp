#include "engine/engine_connection.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "window/control_ids.h"
#include "app/main_dialog.h"
#include "platform/system_messages.h"
#include "support/fake_recogniser.h"
#include "support/recording_window.h"

namespace lexiglean {
namespace {

using ::lexiglean::testing::FakeRecogniser;
using ::lexiglean::testing::RecordingWindow;
using Events = std::vector<std::string>;

class EngineConnectionTest : public ::testing::Test {
 protected:
  // Connects and returns the events up to the end of the connection.
  Events Connect() {
    connected = connection.ConnectEngine();
    return window.TakeEvents();
  }

  RecordingWindow window;
  FakeRecogniser recogniser;
  CVocEvents sink{window};
  EngineConnection connection{window, &recogniser, sink};
  bool connected = false;
};

TEST_F(EngineConnectionTest, AllDetailsPresentReadSpeakerKeySpeakerDetailEngineDetail) {
  recogniser.speakerDetail = u"S";
  recogniser.engineDetail = u"E";
  recogniser.keyDetail = u"K";
  EXPECT_EQ(Connect(), Events{"details: Anna : K : S : E"});
  EXPECT_TRUE(connected);
  EXPECT_EQ(recogniser.calls,
            (std::vector<std::string>{"CreateEngineControl", "get_Speaker", "GetCurrentUserKey", "GetSpeakerDetail(key-1)",
                                      "GetEngineDetail", "GetKeyDetail(key-1)", "release engine", "CreateVocabularyTools",
                                      "PrepareEventSink", "Advise", "Initialize(,)", "get_WordAnalyzer"}));
  EXPECT_EQ(sink.cookie, 7u);
  EXPECT_NE(connection.KeptAnalyzer(), nullptr);
}

TEST_F(EngineConnectionTest, DetailsEdgeCases) {
  EXPECT_EQ(Connect(), Events{"details: Anna : "});  // all details empty
  connection.DisconnectEngine();
  recogniser.engineDetail = u"E";
  EXPECT_EQ(Connect(), Events{"details: Anna :  : E"});  // only the engine detail
  connection.DisconnectEngine();
  recogniser.keyDetail = u"K";
  recogniser.failures = {{"GetEngineDetail", E_FAIL}, {"GetCurrentUserKey", E_FAIL}};
  EXPECT_EQ(Connect(), Events{"details: Anna : K : "});  // a failed call drops only its part
  // The empty key is passed on.
  EXPECT_NE(std::find(recogniser.calls.begin(), recogniser.calls.end(), "GetKeyDetail()"), recogniser.calls.end());
}

TEST_F(EngineConnectionTest, NoUserLoadedEndsTheProgramWithResultTwo) {
  recogniser.speaker.clear();
  EXPECT_EQ(Connect(), (Events{"box: Dragon Not Available |   This program requires a user to be loaded before it will "
                               "run.\\n\\n  The program will be terminated.",
                               "answer: ok", "end: 2"}));
  EXPECT_FALSE(connected);
  EXPECT_EQ(connection.VocabularyTools(), nullptr);
}

TEST_F(EngineConnectionTest, EngineFailuresShowTheHresultBoxWithTheErrorDescription) {
  recogniser.failures = {{"CreateEngineControl", static_cast<HRESULT>(0x80040154u)}};
  EXPECT_EQ(Connect(), (Events{"box: Error | Couldn't create a DgnEngineControl (HRESULT 0x80040154)", "answer: ok",
                               "end: 2"}));
  RecordingWindow second;
  CVocEvents secondSink{second};
  EngineConnection secondConnection{second, &recogniser, secondSink};
  recogniser.failures = {{"get_Speaker", E_ACCESSDENIED}};
  SetCurrentErrorDescription(u"The profile is locked");
  EXPECT_FALSE(secondConnection.ConnectEngine());
  EXPECT_EQ(second.TakeEvents(), (Events{"box: Error | IDgnEngine::get_Speaker failed (HRESULT 0x80070005)\\n\"The "
                                         "profile is locked\"",
                                         "answer: ok", "end: 2"}));
}

TEST_F(EngineConnectionTest, ASecondSubscriptionFailsWithEFail) {
  sink.cookie = 3;
  try {
    connection.ConnectEngine();
    FAIL() << "expected a COM error";
  } catch (const ComError& error) {
    EXPECT_EQ(error.Error(), E_FAIL);
  }
}

TEST_F(EngineConnectionTest, DisconnectIgnoresUnsubscribeFailuresAndReleasesAnalyzerThenTools) {
  Connect();
  recogniser.calls.clear();
  recogniser.failures = {{"Unadvise", E_FAIL}};
  connection.DisconnectEngine();
  EXPECT_EQ(recogniser.calls,
            (std::vector<std::string>{"Unadvise(7)", "Uninitialize", "release analyzer", "release tools"}));
  EXPECT_EQ(sink.cookie, kNotSubscribedCookie);
  EXPECT_EQ(connection.VocabularyTools(), nullptr);
}

TEST_F(EngineConnectionTest, AFailedShutdownStillLetsGoOfBothObjects) {
  Connect();
  recogniser.failures = {{"Uninitialize", E_FAIL}};
  EXPECT_THROW(connection.DisconnectEngine(), ComError);
  EXPECT_EQ(connection.VocabularyTools(), nullptr);
  EXPECT_EQ(connection.KeptAnalyzer(), nullptr);
}

TEST(MainDialogEngineTest, ExitClosesTheConnectionAndAFailedToolsCreationEndsTheProgram) {
  RecordingWindow window;
  FakeRecogniser recogniser;
  {
    MainDialog dialog(window, {&recogniser, nullptr});
    dialog.OnInitDialog();
    recogniser.calls.clear();
    dialog.OnCommand(IDC_EXIT, BN_CLICKED);
    EXPECT_EQ(recogniser.calls,
              (std::vector<std::string>{"Unadvise(7)", "Uninitialize", "release analyzer", "release tools"}));
  }
  RecordingWindow failing;
  recogniser.failures = {{"CreateVocabularyTools", E_OUTOFMEMORY}};
  MainDialog dialog(failing, {&recogniser, nullptr});
  dialog.OnInitDialog();
  const Events events = failing.TakeEvents();
  ASSERT_GE(events.size(), 4u);
  EXPECT_EQ(events[0], "details: Anna : ");
  EXPECT_EQ(events[1], "end: 2");
  EXPECT_EQ(events[2].rfind("box: Error | Error: 0x8007000E - ", 0), 0u) << events[2];
}

}  // namespace
}  // namespace lexiglean
