// Reference Manager's own exports must convert byte for byte as they always
// have: every newer reading rule stays out of a record that keeps to the
// tags and shapes Reference Manager wrote. The expected CSV files were made
// before those rules existed.
#include "ImportFixture.h"

namespace tk {

TEST(ris_golden_test, classic_exports_convert_as_they_always_did) {
  const char* const files[] = {
      "classic/journal-articles.ris",
      "classic/books.ris",
      "classic/mac-cr.ris",
      "rispy/example_multiline.ris",
      "jabref/RisImporterCorrupted.ris",
      "derived/lowercase-tags-from-jabref-test7.ris",
  };
  for (const std::string name : files) {
    SCOPED_TRACE(name);
    test::ReaderRun r(Mode::RefMan, "");
    r.run.inputPath = test::DataFile("ris/" + name);
    static_cast<void>(r.read(test::UpTo(33)));
    const std::string expected = test::DataFile("ris/golden/" + name + ".csv");
    EXPECT_EQ(test::ReadBytes(r.output()), test::ReadBytes(expected));
  }
}

}  // namespace tk
