#include "import/OutputNaming.h"
#include "platform/Path.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

AppState NamingState(std::int32_t mode, const std::string& inputPath) {
  AppState state;
  state.convMode = mode;
  state.programFolder = JoinPath("apps", "Tomekit");
  state.palmInstallFolder = JoinPath("palm", "Install");
  state.inputPath = inputPath;
  DeriveImportNames(state);
  return state;
}

std::string Work(const std::string& name) {
  return JoinPath(JoinPath(JoinPath("apps", "Tomekit"), "TKWork"), name);
}
std::string Install(const std::string& name) { return JoinPath(JoinPath("palm", "Install"), name); }

}  // namespace

TEST(output_naming_test, export_name_gives_every_output_name) {
  struct Case {
    std::int32_t mode;
    std::string input, pdb, palmName, stem;
  };
  const Case cases[] = {
      {0, JoinPath("refs", "My Refs.txt"), "EN-My Refs.PDB", "\"EN-My Refs\"", "My Refs"},
      // The Palm name is cut to 19 characters, the PDB name is not.
      {1, JoinPath("refs", "Molecular Biology 2001.txt"), "RM-Molecular Biology 2001.PDB",
       "\"RM-Molecular Biolog\"", "Molecular Biology 2001"},
      {2, JoinPath("refs", "lab.refs.2001.txt"), "PR-lab.refs.2001.PDB", "\"PR-lab.refs.2001\"",
       "lab.refs.2001"},
      {0, JoinPath("refs", "refs"), "EN-refs.PDB", "\"EN-refs\"", "refs"},
      // A dot in a folder name is no extension.
      {3, JoinPath("my.folder", "refs"), "PG-refs.PDB", "\"PG-refs\"", "refs"},
  };
  for (const Case& c : cases) {
    const AppState state = NamingState(c.mode, c.input);
    EXPECT_EQ(state.pdbPath, Install(c.pdb)) << c.input;
    EXPECT_EQ(state.palmName, c.palmName) << c.input;
    EXPECT_EQ(state.ifoPath, Work(c.stem + ".IFO")) << c.input;
    EXPECT_EQ(state.csvPath, Work(c.stem + ".csv")) << c.input;
    EXPECT_EQ(GenericIntermediatePath(state), Work(c.stem + ".tkg")) << c.input;
  }
}

TEST(output_naming_test, prefix_goes_before_the_file_name_not_the_folder) {
  AppState state;
  state.convMode = 1;
  std::string path = JoinPath("a.b", "x.y.PDB");
  AddModePrefix(state, path);
  EXPECT_EQ(path, JoinPath("a.b", "RM-x.y.PDB"));
}

TEST(output_naming_test, names_are_logged_in_driver_order) {
  AppState state = NamingState(0, JoinPath("refs", "a.txt"));
  LogImportNames(state);
  EXPECT_EQ(state.memoLog,
            (std::vector<std::string>{"sCsv Name is " + Work("a.csv"),
                                      "sPdb Name is " + Install("EN-a.PDB"),
                                      "IFO  Name is " + Work("a.IFO"), "Palm Name is \"EN-a\""}));
}

}  // namespace tk
