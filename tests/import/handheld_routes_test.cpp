// Each database written is given to every route that reaches the handheld,
// and the outcome names each route that took it.
#include "import/HandheldRoutes.h"

#include "import/HandheldTexts.h"
#include "import/ImportFixture.h"
#include "platform/JPilotInstallList.h"

namespace tk::test {
namespace {

const std::string kEnd = kEndNoteEnd;

TEST(handheld_routes_test, the_copy_command_is_one_word_for_the_shell_whatever_the_name) {
  const struct {
    const char* path;
    const char* command;
  } cases[] = {
      {"/home/jo/Palm Install/EN-refs.PDB",
       "pilot-xfer -p usb: -i \"/home/jo/Palm Install/EN-refs.PDB\""},
      {"/i/EN-it's.PDB", "pilot-xfer -p usb: -i \"/i/EN-it's.PDB\""},
      {"/i/EN-$HOME.PDB", "pilot-xfer -p usb: -i '/i/EN-$HOME.PDB'"},
      {"/i/EN-`x`\"!'.PDB", "pilot-xfer -p usb: -i '/i/EN-`x`\"!'\\''.PDB'"},
      {"/i/EN-a\\b.PDB", "pilot-xfer -p usb: -i '/i/EN-a\\b.PDB'"},
  };
  for (const auto& c : cases) EXPECT_EQ(PilotXferCommand(c.path), c.command);
}

#ifndef _WIN32
// Linux with nothing installed: the copy command, nothing written outside
// the program's folders; then J-Pilot's list gets the database once, however
// often it is imported.
TEST(handheld_routes_test, jpilot_lists_each_database_once_and_the_command_always_follows) {
  DriverRun run(Mode::EndNote);
  const std::string file = run.input("refs.txt", "A" + kEnd);
  (void)run.importFiles({file});
  const std::string command = PilotXferCommand(run.pdb("refs"));
  ASSERT_EQ(run.outcomes.size(), 1u);
  EXPECT_EQ(run.outcomes[0].routes, Lines{CopyItWithText(command)});
  EXPECT_EQ(run.outcomes[0].installCommand, command);
  EXPECT_TRUE(Missing(run.home));

  ASSERT_TRUE(CreateFolders(JoinPath(run.home, ".jpilot")));
  const std::string list = JoinPath(run.home, ".jpilot/jpilot.install");
  for (const char* listed : {kAddedToJPilotList, kAlreadyOnJPilotList}) {
    run.outcomes.clear();
    (void)run.importFiles({file});
    ASSERT_EQ(run.outcomes.size(), 1u);
    EXPECT_EQ(run.outcomes[0].routes, (Lines{listed, CopyItWithText(command)}));
  }
  EXPECT_TRUE(FileHolds(list, run.pdb("refs") + "\n"));
  EXPECT_TRUE(run.ui.messages.empty());
  EXPECT_TRUE(Holds(ReadBytes(run.store), "Install1234=1"));
}

// palm-sync: a lower-case .pdb not named after the database, in the user's
// install folder, made when missing; a folder that isn't there is said, and
// the database itself stays.
TEST(handheld_routes_test, palm_sync_gets_a_copy_it_will_not_mistake_for_a_backup) {
  DriverRun run(Mode::EndNote);
  run.settings.palmSyncFolder = run.program.file("palm-sync");
  run.settings.palmSyncUser = "Jane";
  const std::string file = run.input("refs.txt", "A" + kEnd);
  (void)run.importFiles({file});
  EXPECT_TRUE(Missing(run.program.file("palm-sync")));
  ASSERT_EQ(run.ui.messages.size(), 1u);
  EXPECT_EQ(run.ui.messages[0].text,
            PalmSyncFolderMissingText(run.settings.palmSyncFolder, run.pdb("refs")));
  EXPECT_TRUE(Exists(run.pdb("refs")));

  ASSERT_TRUE(CreateFolders(run.settings.palmSyncFolder));
  run.outcomes.clear();
  (void)run.importFiles({file});
  const std::string copy = run.program.file("palm-sync/Jane/install/EN-refs.tomekit.pdb");
  EXPECT_TRUE(FileHolds(copy, ReadBytes(run.pdb("refs"))));
  ASSERT_EQ(run.outcomes.size(), 1u);
  EXPECT_EQ(run.outcomes[0].routes.front(), CopiedForPalmSyncText("Jane"));

  run.settings.palmSyncUser.clear();
  run.outcomes.clear();
  (void)run.importFiles({file});
  EXPECT_EQ(run.outcomes[0].routes.size(), 1u) << "no user chosen: no palm-sync";
}

TEST(handheld_routes_test, a_route_that_fails_is_said_and_the_others_still_take_it) {
  DriverRun run(Mode::EndNote);
  ASSERT_TRUE(CreateFolders(JoinPath(run.home, ".jpilot/jpilot.install")));
  run.settings.palmSyncFolder = run.program.file("palm-sync");
  run.settings.palmSyncUser = "Jane";
  ASSERT_TRUE(CreateFolders(run.settings.palmSyncFolder));
  WriteBytes(run.settings.palmSyncFolder + "/Jane", "a file where the user's folder goes");
  (void)run.importFiles({run.input("refs.txt", "A" + kEnd)});
  const std::string list = JoinPath(run.home, ".jpilot/jpilot.install");
  ASSERT_EQ(run.ui.messages.size(), 2u);
  EXPECT_EQ(run.ui.messages[0].text, JPilotListNotWrittenText(list, run.pdb("refs")));
  EXPECT_TRUE(Holds(run.ui.messages[1].text,
                    PalmSyncNotCopiedText(run.pdb("refs"), "Unable to write to ")));
  ASSERT_EQ(run.outcomes.size(), 1u);
  EXPECT_TRUE(run.outcomes[0].converted);
  EXPECT_EQ(run.outcomes[0].routes, Lines{CopyItWithText(PilotXferCommand(run.pdb("refs")))});
}
#endif

}  // namespace
}  // namespace tk::test
