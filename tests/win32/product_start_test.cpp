// The product, lexiglean.exe, started under Wine where the recogniser is not registered: the user sees
// the failed connection, then, unless LEXIGLEAN_WORD_REGISTERED says the word processor is, the failed
// version detection, one box each, and the program ends with exit code 0 without showing its main
// window.
//
// LEXIGLEAN_PROGRAM_EXE names the program (a Unix or a Windows path). run-smoke-test.sh photographs
// the first box as no-recogniser.png.
#include "window/control_ids.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "driven_program.h"

namespace lexiglean {
namespace {

using testing::Answer;
using testing::BoxSeen;
using testing::Program;

TEST(ProductStartTest, WithoutRecogniserOrWordProcessorShowsBothFailuresAndEnds) {
  if (std::getenv("LEXIGLEAN_PROGRAM_EXE") == nullptr) GTEST_SKIP() << "LEXIGLEAN_PROGRAM_EXE is not set";
  Program program(testing::EnvironmentPath("LEXIGLEAN_PROGRAM_EXE"));
  ASSERT_TRUE(program.Started());

  // Wine sets no error information for a class that is not registered, so no description follows.
  HWND connectionBox = program.WaitForOtherDialog();
  ASSERT_NE(connectionBox, nullptr) << "the program ended without a box";
  testing::OfferScreenshot(connectionBox, "no-recogniser");
  EXPECT_TRUE(program.MainWindows().empty());
  EXPECT_EQ(Answer(connectionBox, IDOK),
            (BoxSeen{L"Error", L"Couldn't create a DgnEngineControl (HRESULT 0x80040154)"}));

  // The window's initialisation goes on after the failure and asks for the word processor's version;
  // only a missing word processor says so.
  if (std::getenv("LEXIGLEAN_WORD_REGISTERED") == nullptr) {
    HWND versionBox = program.WaitForOtherDialog();
    ASSERT_NE(versionBox, nullptr) << "the program ended without a second box";
    EXPECT_EQ(Answer(versionBox, IDOK), (BoxSeen{L"GetWordVersion Error",
                                                 L"CLSIDFromProgID(\"Word.Application\") failed w/err 0x800401f3\n"}));
  }

  // Nothing more; the entry returns 0 (the window's run result, 2, is not the exit code).
  HWND unexpected = program.WaitForOtherDialog();
  if (unexpected != nullptr) ADD_FAILURE() << "a further box: " << Answer(unexpected, IDOK);
  EXPECT_EQ(program.WaitForEnd(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace lexiglean
