#include "import/OutputNaming.h"
#include "platform/Path.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

AppState NamingState(std::int32_t mode, const std::string& exportName) {
  AppState state;
  state.convMode = mode;
  state.programFolder = JoinPath("apps", "Tomekit");
  state.palmInstallFolder = JoinPath("palm", "Install");
  state.inputPath = JoinPath("refs", exportName);
  return state;
}

std::string Work(const std::string& name) { return JoinPath(JoinPath(JoinPath("apps", "Tomekit"), "TKWork"), name); }
std::string Install(const std::string& name) { return JoinPath(JoinPath("palm", "Install"), name); }

}  // namespace

TEST(output_naming_test, endnote_export_names_every_output) {
  AppState state = NamingState(0, "My Refs.txt");
  DeriveImportNames(state);
  EXPECT_EQ(state.pdbPath, Install("EN-My Refs.PDB"));
  EXPECT_EQ(state.palmName, "\"EN-My Refs\"");
  EXPECT_EQ(state.ifoPath, Work("My Refs.IFO"));
  EXPECT_EQ(state.csvPath, Work("My Refs.csv"));
  EXPECT_EQ(GenericIntermediatePath(state), Work("My Refs.tkg"));
}

TEST(output_naming_test, palm_name_is_cut_to_19_characters_but_pdb_name_is_not) {
  AppState state = NamingState(1, "Molecular Biology 2001.txt");
  DeriveImportNames(state);
  EXPECT_EQ(state.palmName, "\"RM-Molecular Biolog\"");
  EXPECT_EQ(state.pdbPath, Install("RM-Molecular Biology 2001.PDB"));
}

TEST(output_naming_test, several_dots_keep_all_but_the_last_extension) {
  AppState state = NamingState(2, "lab.refs.2001.txt");
  DeriveImportNames(state);
  EXPECT_EQ(state.pdbPath, Install("PR-lab.refs.2001.PDB"));
  EXPECT_EQ(state.palmName, "\"PR-lab.refs.2001\"");
  EXPECT_EQ(state.ifoPath, Work("lab.refs.2001.IFO"));
  EXPECT_EQ(state.csvPath, Work("lab.refs.2001.csv"));
}

TEST(output_naming_test, file_without_extension_gets_the_new_ones) {
  AppState state = NamingState(0, "refs");
  DeriveImportNames(state);
  EXPECT_EQ(state.pdbPath, Install("EN-refs.PDB"));
  EXPECT_EQ(state.ifoPath, Work("refs.IFO"));
  EXPECT_EQ(state.csvPath, Work("refs.csv"));
  EXPECT_EQ(state.palmName, "\"EN-refs\"");
}

TEST(output_naming_test, dot_in_a_folder_name_is_not_an_extension) {
  AppState state = NamingState(3, "refs");
  state.inputPath = JoinPath("my.folder", "refs");
  DeriveImportNames(state);
  EXPECT_EQ(state.pdbPath, Install("PG-refs.PDB"));
  EXPECT_EQ(GenericIntermediatePath(state), Work("refs.tkg"));
}

TEST(output_naming_test, prefix_goes_before_the_file_name_not_the_folder) {
  AppState state;
  state.convMode = 1;
  std::string path = JoinPath("a.b", "x.y.PDB");
  AddModePrefix(state, path);
  EXPECT_EQ(path, JoinPath("a.b", "RM-x.y.PDB"));
}

TEST(output_naming_test, names_are_logged_in_driver_order) {
  AppState state = NamingState(0, "a.txt");
  DeriveImportNames(state);
  LogImportNames(state);
  ASSERT_EQ(state.memoLog.size(), 4u);
  EXPECT_EQ(state.memoLog[0], "sCsv Name is " + Work("a.csv"));
  EXPECT_EQ(state.memoLog[1], "sPdb Name is " + Install("EN-a.PDB"));
  EXPECT_EQ(state.memoLog[2], "IFO  Name is " + Work("a.IFO"));
  EXPECT_EQ(state.memoLog[3], "Palm Name is \"EN-a\"");
}

}  // namespace tk
