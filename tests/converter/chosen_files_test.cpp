// The loop over a dialog's choice, with runs that only record what the loop
// asked of them.
#include "converter/ChosenFiles.h"

#include "mock/FakeUi.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using Lines = std::vector<std::string>;

struct NoteRun {
  std::string file;
  Lines log;
};

// Runs the loop over chosen; a file named "stop" is stopped, and every file
// claims the destination "same".
struct Loop {
  std::string run(const Lines& chosen) {
    return ForEachChosenFile<NoteRun>(
        chosen, log, ui, [this](const FileOutcome& o) { heard.push_back(o.file); },
        [](const std::string& file, NoteRun& run, DestinationClaims& claims) {
          run.file = file;
          return claims.claim(file, "same");
        },
        [this](NoteRun& run) {
          converted.push_back(run.file);
          run.log.push_back("log of " + run.file);
          FileOutcome outcome;
          outcome.file = run.file;
          outcome.stopped = run.file == "stop";
          outcome.statusText = "status of " + run.file;
          return outcome;
        });
  }
  Lines log{"earlier"}, heard, converted;
  test::FakeUi ui;
};

TEST(ForEachChosenFile, RunsEveryFileInOrderAndGivesTheLastStatus) {
  Loop loop;
  EXPECT_EQ(loop.run({"a", "b"}), "status of b");
  EXPECT_EQ(loop.converted, (Lines{"a", "b"}));
  EXPECT_EQ(loop.heard, (Lines{"a", "b"}));
  EXPECT_EQ(loop.log, (Lines{"earlier", "log of a", "log of b"}));
}

TEST(ForEachChosenFile, StopEndsTheChoiceAfterTheStoppedFile) {
  Loop loop;
  EXPECT_EQ(loop.run({"a", "stop", "c"}), "status of stop");
  EXPECT_EQ(loop.converted, (Lines{"a", "stop"}));
  EXPECT_EQ(loop.heard, (Lines{"a", "stop"}));
  EXPECT_EQ(loop.log.back(), "log of stop");
}

TEST(ForEachChosenFile, WarnsOnlyOfALaterFileWithTheSameDestination) {
  Loop loop;
  (void)loop.run({"a", "b"});
  ASSERT_EQ(loop.ui.messages.size(), 1u);
  EXPECT_EQ(loop.ui.messages[0].kind, MessageKind::Plain);
  EXPECT_EQ(loop.ui.messages[0].text.rfind("b replaces the result of a", 0), 0u);
}

TEST(ForEachChosenFile, EmptyChoiceRunsNothing) {
  Loop loop;
  EXPECT_EQ(loop.run({}), "");
  EXPECT_TRUE(loop.converted.empty() && loop.heard.empty());
  EXPECT_EQ(loop.log, (Lines{"earlier"}));
}

}  // namespace
}  // namespace tk
