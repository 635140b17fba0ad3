#include "import/OutputNaming.h"

#include "platform/Path.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

std::string Work(const std::string& name) {
  return JoinPath(JoinPath(JoinPath("apps", "Tomekit"), "TKWork"), name);
}
std::string Install(const std::string& name) {
  return JoinPath(JoinPath("palm.d", "Install"), name);
}

}  // namespace

TEST(output_naming_test, export_name_gives_every_output_name) {
  const struct {
    std::int32_t mode;
    std::string input, pdb, palmName, stem;
  } cases[] = {
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
  Settings settings;
  settings.programFolder = JoinPath("apps", "Tomekit");
  settings.palmInstallFolder = JoinPath("palm.d", "Install");
  for (const auto& c : cases) {
    ImportRun run;
    run.inputPath = c.input;
    NameImportOutputs(settings, c.mode, run);
    EXPECT_EQ(run.pdbPath, Install(c.pdb)) << c.input;
    EXPECT_EQ(run.palmName, c.palmName) << c.input;
    EXPECT_EQ(run.ifoPath, Work(c.stem + ".IFO")) << c.input;
    EXPECT_EQ(run.csvPath, Work(c.stem + ".csv")) << c.input;
    EXPECT_EQ(GenericIntermediatePath(run), Work(c.stem + ".tkg")) << c.input;
  }
}

}  // namespace tk
