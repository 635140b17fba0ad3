// One session converting a choice of files: what the user does while it
// runs never reaches the run, a second conversion waits its turn, and an
// earlier result is replaced only when the user agrees.
#include "session/Session.h"

#include "mock/Expect.h"
#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"
#include "platform/Files.h"
#include "platform/Path.h"
#include "session/SessionTexts.h"

#include <gtest/gtest.h>

#include <functional>

namespace tk {
namespace {

using Lines = std::vector<std::string>;

// A Ui that plays the user while the conversion pumps messages.
struct PlayingUi : test::FakeUi {
  void processMessages() override {
    FakeUi::processMessages();
    if (auto act = std::exchange(duringRun, nullptr)) act();
  }
  ReplaceAnswer askToReplace(const std::string& path, const std::string& warning) override {
    asked.push_back(path);
    warnings.push_back(warning);
    return answers.empty() ? ReplaceAnswer::Keep : answers.at(asked.size() - 1);
  }
  std::function<void()> duringRun;
  std::vector<ReplaceAnswer> answers;
  Lines asked, warnings;
};

// A session of the command line over a program folder with the stand-in
// converter, its Palm and reference folders inside.
struct Fixture {
  Fixture() {
    const std::string palm = program.file("palm");
    const std::string ini = "[UserInfo]\r\nPalmOutPath=" + palm + "\r\nPalmInPath=" + palm +
                            "\r\nENPath=" + program.file("refs") + "\r\nuserHSCode=7\r\n";
    test::WriteBytes(program.file("tomekit.INI"), ini);
    EXPECT_TRUE(session.start(ui).loaded());
  }
  std::string exportFile(const std::string& name) {
    const std::string path = program.file(name);
    test::WriteBytes(path, "Journal Article\tSmith\xB0Journal Article\tJones\xB0");
    return path;
  }
  std::vector<FileOutcome> import(const Lines& files) {
    session.beginChoice();
    return session.convert(Direction::Import, files, ui).files;
  }

  test::ProgramFolder program{test::kRecordingConverter};
  test::ScopedEnv store{"TOMEKIT_INSTALL_STORE", program.file("install.ini")};
  test::ScopedEnv noJPilot{"JPILOT_HOME", program.path()};
  Session session{FrontEnd::CommandLine, program.path(), program.path()};
  PlayingUi ui;
};

TEST(session_test, a_setting_changed_during_a_conversion_reaches_only_the_next_one) {
  Fixture fx;
  const std::string refs = fx.exportFile("refs.txt");
  fx.ui.duringRun = [&] { fx.session.settings().palmInstallFolder = fx.program.file("later"); };
  const auto first = fx.import({refs});
  ASSERT_EQ(first.size(), 1u);
  EXPECT_TRUE(first[0].converted);
  EXPECT_EQ(first[0].output, JoinPath(fx.program.file("palm"), "EN-refs.PDB"));
  EXPECT_TRUE(FileExists(first[0].output));
  EXPECT_EQ(fx.session.settings().palmInstallFolder, fx.program.file("later"));
  EXPECT_EQ(fx.import({refs}).at(0).output, JoinPath(fx.program.file("later"), "EN-refs.PDB"));
}

// A second conversion started from inside a running one (a menu or a drop
// the window let through) is refused and changes nothing of the first.
TEST(session_test, no_second_conversion_starts_while_one_runs) {
  Fixture fx;
  const std::string refs = fx.exportFile("refs.txt");
  ConversionSummary nested;
  fx.ui.duringRun = [&] { nested = fx.session.convert(Direction::Export, {refs}, fx.ui); };
  EXPECT_EQ(fx.import({refs}).at(0).converted, true);
  EXPECT_TRUE(nested.refused);
  EXPECT_TRUE(nested.files.empty());
  EXPECT_FALSE(fx.session.busy());
}

// The session's stop counts beside the front end's; a new choice forgets it.
TEST(session_test, a_stop_ends_the_choice_and_the_next_choice_starts_afresh) {
  Fixture fx;
  const Lines refs = {fx.exportFile("a.txt"), fx.exportFile("b.txt")};
  fx.ui.duringRun = [&] { fx.session.requestStop(); };
  const auto stopped = fx.import(refs);
  ASSERT_EQ(stopped.size(), 1u);
  EXPECT_TRUE(stopped[0].stopped);
  EXPECT_EQ(fx.session.status(), "Conversion stopped");
  EXPECT_EQ(fx.import(refs).size(), 2u);
  EXPECT_EQ(fx.session.choiceOutcomes().size(), 2u);
}

// Asked once per file that is there, until "replace all"; kept files are
// not touched and say so.
TEST(session_test, an_earlier_result_is_replaced_only_as_the_user_answers) {
  Fixture fx;
  const Lines refs = {fx.exportFile("a.txt"), fx.exportFile("b.txt"), fx.exportFile("c.txt")};
  ASSERT_EQ(fx.import(refs).size(), 3u);
  EXPECT_TRUE(fx.ui.asked.empty());
  const std::string a = JoinPath(fx.program.file("palm"), "EN-a.PDB");
  test::WriteBytes(a, "earlier");
  fx.ui.answers = {ReplaceAnswer::Keep, ReplaceAnswer::ReplaceAll};
  const auto again = fx.import(refs);
  EXPECT_EQ(fx.ui.asked, (Lines{a, JoinPath(fx.program.file("palm"), "EN-b.PDB")}));
  EXPECT_TRUE(again.at(0).kept);
  EXPECT_EQ(test::ReadBytes(a), "earlier");
  EXPECT_EQ(again.at(0).statusText, "Kept the earlier " + a);
  EXPECT_TRUE(again.at(1).replaced);
  EXPECT_TRUE(again.at(2).replaced);
  const std::string replaced =
      "2 Records Transferred to  JFile; replaced " + JoinPath(fx.program.file("palm"), "EN-c.PDB");
#ifdef _WIN32
  EXPECT_EQ(ConvertedLine(again.at(2)), replaced) << "a store of our own is no route";
#else
  EXPECT_EQ(ConvertedLine(again.at(2)).substr(0, replaced.size() + 2), replaced + "; ")
      << "the pilot-xfer command follows";
#endif
}

// The window says once a choice, with the first question, that replacing a
// database replaces the handheld's edits to it; a command-line run and an
// export's question don't.
TEST(session_test, the_windows_first_replacing_import_of_a_choice_warns_of_handheld_edits) {
  test::ProgramFolder program{test::kRecordingConverter};
  test::ScopedEnv store{"TOMEKIT_INSTALL_STORE", program.file("install.ini")};
  test::ScopedEnv noJPilot{"JPILOT_HOME", program.path()};
  test::WriteBytes(program.file("tomekit.INI"),
                   "[UserInfo]\r\nPalmOutPath=" + program.file("palm") +
                       "\r\nPalmInPath=" + program.file("palm") + "\r\n");
  Session window{FrontEnd::Window, program.path(), program.path()};
  PlayingUi ui;
  ASSERT_TRUE(window.start(ui).loaded());
  Lines refs;
  for (const char* name : {"a.txt", "b.txt"}) {
    refs.push_back(program.file(name));
    test::WriteBytes(refs.back(), "Journal Article\tSmith\xB0");
  }
  ui.answers = {ReplaceAnswer::Replace, ReplaceAnswer::Replace, ReplaceAnswer::Replace,
                ReplaceAnswer::Replace};
  for (int choice = 0; choice < 3; ++choice) {
    window.beginChoice();
    (void)window.convert(Direction::Import, refs, ui);
  }
  const std::string edits =
      HandheldEditsReplacedText(JoinPath(program.file("palm"), "EN-a.PDB"), "JFile to EndNote");
  EXPECT_EQ(ui.warnings, (Lines{edits, "", edits, ""}));

  Fixture commandLine;
  commandLine.import({commandLine.exportFile("a.txt")});
  commandLine.ui.answers = {ReplaceAnswer::Replace};
  commandLine.import({commandLine.exportFile("a.txt")});
  EXPECT_EQ(commandLine.ui.warnings, Lines{""});
}

// No database written, no request to install one; the status says why.
TEST(session_test, a_choice_that_writes_no_database_sets_no_install_request) {
  Fixture fx;
  const std::string empty = fx.program.file("empty.txt");
  test::WriteBytes(empty, "");
  const auto outcomes = fx.import({empty});
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_FALSE(outcomes[0].converted);
  EXPECT_FALSE(FileExists(fx.program.file("install.ini")));
  EXPECT_EQ(fx.session.status(), empty + " was not converted: Error Converting EndNote file: " +
                                     empty + ": the file is empty");
  EXPECT_EQ(fx.session.installCommand(), "");
  fx.import({fx.exportFile("refs.txt")});
  EXPECT_TRUE(FileExists(fx.program.file("install.ini")));
#ifndef _WIN32
  // The status names the database and how to copy it; the window offers the
  // command until a choice writes none.
  const std::string command =
      "pilot-xfer -p usb: -i \"" + JoinPath(fx.program.file("palm"), "EN-refs.PDB") + "\"";
  EXPECT_EQ(fx.session.installCommand(), command);
  EXPECT_TRUE(test::Holds(fx.session.status(), "; copy it with: " + command));
  fx.import({empty});
  EXPECT_EQ(fx.session.installCommand(), "");
#endif
}

TEST(session_test, the_summary_counts_the_files_and_says_where_each_went_or_why_not) {
  FileOutcome converted;
  converted.file = "a.txt";
  converted.converted = true;
  converted.output = "/palm/EN-a.PDB";
  converted.statusText = "2 Records Transferred to  JFile";
  converted.routes = {"added to J-Pilot's install list", "copy it with: pilot-xfer"};
  FileOutcome failed;
  failed.file = "b.txt";
  failed.reason = "the file is empty";
  failed.statusText = "b.txt was not converted";
  const std::string routes = "; added to J-Pilot's install list; copy it with: pilot-xfer";
  EXPECT_EQ(StatusLine(converted),
            "2 Records Transferred to  JFile \xE2\x86\x92 /palm/EN-a.PDB" + routes);
  EXPECT_EQ(SummaryText({converted, failed}),
            "1 of 2 files converted\na.txt \xE2\x86\x92 /palm/EN-a.PDB" + routes +
                "\nb.txt was not converted: the file is empty");
  EXPECT_EQ(ConvertedLine(converted), "2 Records Transferred to  JFile" + routes);
}

// A run of the command line holds the work folder from its first file to
// its log; another session is refused meanwhile.
TEST(session_test, a_held_work_folder_refuses_another_session) {
  Fixture fx;
  ASSERT_TRUE(fx.session.holdWorkFolder({}, fx.ui));
  Session other(FrontEnd::CommandLine, fx.program.path(), fx.program.path());
  test::FakeUi otherUi;
  EXPECT_FALSE(other.holdWorkFolder({}, otherUi));
  EXPECT_TRUE(other.convert(Direction::Import, {fx.exportFile("refs.txt")}, otherUi).refused);
  EXPECT_EQ(otherUi.texts().size(), 2u);
  EXPECT_TRUE(fx.import({fx.exportFile("refs.txt")}).at(0).converted);
}

}  // namespace
}  // namespace tk
