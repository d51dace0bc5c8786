#include "ui/script/script_runner.h"

#include <gtest/gtest.h>

#include "support/fake_recogniser.h"

namespace lexiglean {
namespace {

using ::lexiglean::testing::FakeRecogniser;
using Lines = std::vector<std::string>;

struct ScriptRun {
  int status = -1;
  Lines events;
  Lines errors;
};

ScriptRun RunText(std::string_view script, MainDialogServices services = {}) {
  ScriptRun run;
  run.status = RunScript(script, services,
                         {[&](const std::string& line) { run.events.push_back(line); },
                          [&](const std::string& line) { run.errors.push_back(line); }});
  return run;
}

TEST(ScriptRunnerTest, MalformedScriptsExitTwoNamingTheLineAndRunNothing) {
  for (const auto& [script, error] :
       {std::pair{"click 1005\n# fine\n  \nfrobnicate 3\n", "line 4: unknown command frobnicate"},
        std::pair{"fields \"unclosed\n", "line 1: unclosed double quote"},
        std::pair{"click\n", "line 1: click takes 1 argument(s)"},
        std::pair{"click 10x\n", "line 1: not a number: 10x"},
        std::pair{"answer maybe\n", "line 1: answer must be yes, no, ok or cancel"},
        std::pair{"fields \"a\\q\" b\n", "line 1: unknown escape \\q"}}) {
    const ScriptRun run = RunText(script);
    EXPECT_EQ(run.status, 2) << script;
    EXPECT_EQ(run.errors, Lines{error}) << script;
  }
  // The whole script is checked first: a fault on a late line runs none of the earlier ones.
  const ScriptRun run = RunText("click 1005\ndump\ncheck-item 0 maybe\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.errors, Lines{"line 3: check-item takes on or off"});
  EXPECT_EQ(run.events, Lines{});
}

TEST(ScriptRunnerTest, WhatAPersonCannotDoIsIgnoredAndTheRunGoesOn) {
  // "&Edit Item" starts disabled, " Cap Sensitive" hidden; the list is empty and the document list
  // holds only its heading.
  const ScriptRun run = RunText(
      "click 1010\n  click  1025   # hidden\nselect-item 0\ncheck-item 2 on\nselect-document 1\nclick 1005\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.events, (Lines{"status: Word version unknown", "ignored: click 1010", "ignored: click  1025",
                               "ignored: select-item 0", "ignored: check-item 2 on", "ignored: select-document 1",
                               "status:   0 Items, 0 Checked"}));
}

TEST(ScriptRunnerTest, QuotedArgumentsKeepBlanksAndEscapes) {
  const ScriptRun run = RunText("files \"/tmp/a b.txt\" \"/tmp/tab\\there\\\\ \\\"q\\\".txt\"\nclick 1029\n");
  EXPECT_EQ(run.status, 0);
  ASSERT_GE(run.events.size(), 3u);
  EXPECT_EQ(run.events[1], "dialog: Open");
  EXPECT_EQ(run.events[2].substr(0, 19), "box: Files Added | ");
}

TEST(ScriptRunnerTest, TheProgramEndingByItselfExitsOneAndLaterCommandsDoNotRun) {
  FakeRecogniser recogniser;
  recogniser.speaker.clear();
  const ScriptRun run = RunText("answer ok\nclick 1005\ndump\n", {&recogniser, nullptr});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.events.back(), "status: Word version unknown");
  EXPECT_EQ(std::count(run.events.begin(), run.events.end(), "end: 2"), 1);
  EXPECT_EQ(std::find(run.events.begin(), run.events.end(), "list: 0 items, 0 checked"), run.events.end());
}

TEST(ScriptRunnerTest, TheExitCommandEndsTheRunWithStatusZero) {
  const ScriptRun run = RunText("click 2\nclick 1005\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.events, (Lines{"status: Word version unknown", "end: 2"}));
}

}  // namespace
}  // namespace lexiglean
