// The work folder is one conversion's at a time, and keeps only what the
// last one left there.
#include "fields/PalmFolders.h"
#include "platform/Files.h"
#include "session/WorkFolderClaim.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace tk {
namespace {

using Names = std::vector<std::string>;

Names NamesIn(const std::string& folder) {
  Names names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct Folders {
  Folders() { EXPECT_TRUE(MakeWorkFolders(dir.path())); }
  std::string work(const std::string& name) const { return JoinPath(WorkFolder(dir.path()), name); }
  void leave(const Names& names) const {
    for (const auto& name : names) test::WriteBytes(work(name), name);
  }
  test::TempFolder dir;
};

// Every kind of file a conversion leaves goes, with any letter case; the
// user's own files and a file chosen from the work folder stay.
TEST(work_folder_claim_test, a_claim_clears_earlier_work_files_but_no_other) {
  Folders f;
  f.leave({"a.csv", "a.IFO", "a.tkg", "EN-a.out", "temp.ifo", "input.tmp", "out.tmp", "jconv5.err",
           "b.CSV.tk-part", "out.tmp.jconv5-part", "chosen.csv", "notes.txt", "keep.PDB"});
  ASSERT_TRUE(CreateFolders(f.work("sub.csv")));
  const WorkFolderClaim claim(f.dir.path(), {f.work("chosen.csv")});
  EXPECT_EQ(NamesIn(WorkFolder(f.dir.path())),
            (Names{"chosen.csv", "keep.PDB", "notes.txt", "sub.csv"}));
}

// The second claim touches nothing of the first one's, in this process as in
// another (the command line's end-to-end test, which also pins the refusal's
// text and a holder killed outright).
TEST(work_folder_claim_test, a_second_claim_is_refused_until_the_first_ends) {
  Folders f;
  std::optional<WorkFolderClaim> first(std::in_place, f.dir.path(), Names{});
  f.leave({"running.csv"});
  EXPECT_TRUE(WorkFolderClaim(f.dir.path(), {}).refused());
  EXPECT_TRUE(FileExists(f.work("running.csv")));
  first.reset();
  EXPECT_FALSE(WorkFolderClaim(f.dir.path(), {}).refused());
  EXPECT_FALSE(FileExists(f.work("running.csv")));
  // A lock that can't be made at all is no other conversion's.
  EXPECT_FALSE(WorkFolderClaim(f.dir.file("none"), {}).refused());
}

// Nothing beside the work folder can be deleted to let a second conversion
// in: neither a lock file nor the folder made again while the first runs.
TEST(work_folder_claim_test, no_file_deleted_beside_the_folder_lets_a_second_claim_in) {
  Folders f;
  const WorkFolderClaim first(f.dir.path(), {});
  ASSERT_FALSE(first.refused());
  for (const std::string& name : NamesIn(f.dir.path())) {
    if (name != "TKWork" && name != "Import and Export") RemoveFile(f.dir.file(name));
  }
  EXPECT_TRUE(WorkFolderClaim(f.dir.path(), {}).refused());
}

// A work folder that is a link leads outside the data folder: the files
// there are the user's, never cleared nor written, and the claim says why.
TEST(work_folder_claim_test, a_work_folder_that_is_a_link_is_refused_and_never_cleared) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need a privilege on Windows";
#endif
  test::TempFolder elsewhere;
  test::WriteBytes(elsewhere.file("thesis.csv"), "mine");
  test::WriteBytes(elsewhere.file("draft.tmp"), "mine");
  test::TempFolder data;
  std::filesystem::create_directory_symlink(elsewhere.path(), WorkFolder(data.path()));
  const WorkFolderClaim claim(data.path(), {});
  EXPECT_TRUE(claim.refused());
  EXPECT_EQ(claim.refusalText(), WorkFolder(data.path()) +
                                     " is a link or a file, not a folder of Tomekit's own: its "
                                     "work files would be written and deleted elsewhere, so "
                                     "nothing is converted. Remove it and Tomekit makes the "
                                     "folder again.");
  ClearWorkFiles(data.path(), {});
  EXPECT_EQ(NamesIn(elsewhere.path()), (Names{"draft.tmp", "thesis.csv"}));
}

}  // namespace
}  // namespace tk
