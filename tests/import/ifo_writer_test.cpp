#include "import/IfoWriter.h"

#include "ImportFixture.h"

#include <tuple>

namespace tk {
namespace {

const std::string kEnd = "456E644A46696C654461746100";

struct IfoRun {
  explicit IfoRun(FieldSetup fields) : setup(std::move(fields)) {}
  std::string write() {
    EXPECT_EQ(WriteIfoFile(setup, path).status, IfoStatus::Written);
    return test::ReadBytes(path);
  }
  std::string popupSections() {
    const std::string ifo = write();
    return ifo.substr(ifo.find(kEnd) + kEnd.size());
  }
  void popup(int n, std::int32_t type, std::vector<std::string> words = {}) {
    setup.table[n].fldType = type;
    setup.popupLists[n] = std::move(words);
  }
  test::TempFolder folder;
  FieldSetup setup;
  std::string path = folder.file("export.IFO");
};

}  // namespace

TEST(ifo_writer_test, endnote_defaults_give_types_widths_and_four_popup_sections) {
  IfoRun run(test::Fields(Mode::EndNote, test::UpTo(15)));
  for (int n : {1, 3, 9, 10}) run.setup.table[n].colWidth = n == 1 ? 15 : n == 3 ? 30 : 20;
  run.popup(1, kTypePopup, {"Book", "Book Section"});
  run.popup(3, kTypePopup, {"1980", "1981"});
  run.popup(7, kTypePopup, {"New York"});
  run.popup(8, kTypePopup, {"Harper & Row", ""});
  run.setup.popupLists[2] = {"not a popup field"};
  std::tie(run.setup.recordViewWidth, run.setup.firstColumn, run.setup.oldFlags) =
      std::tuple(110, 1, 7);
  const std::string zeros = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ";
  EXPECT_EQ(run.write(),
            "JFile5\r\n64 1 64 1 1 1 64 64 1 1 1 1 1 1 1 \r\n"
            "15 80 30 80 80 80 80 80 20 20 80 80 80 80 80 \r\n110\r\n1\r\n7\r\n" +
                zeros + "\r\n" + zeros + "\r\n" + kEnd +
                "\r\npopupa\r\nBook\r\nBook Section\r\npopupc\r\n1980\r\n1981"
                "\r\npopupg\r\nNew York\r\npopuph\r\nHarper & Row\r\n");
}

TEST(ifo_writer_test, popup_sections_are_lettered_by_column_and_hold_99_words) {
  std::vector<std::string> words;
  std::string expected = "\r\npopupz";
  for (int i = 1; i <= 120; ++i) words.push_back("w" + std::to_string(i));
  for (int i = 0; i < 99; ++i) expected += "\r\n" + words[i];
  IfoRun all(test::Fields(Mode::ProCite, test::UpTo(47)));
  all.popup(26, kTypePopup, words);
  all.popup(27, kTypeMultiPopup);
  all.popup(47, kTypePopup);
  EXPECT_EQ(all.popupSections(), expected + "\r\npopupB\r\npopupV");

  IfoRun one(test::Fields(Mode::EndNote, {2}));
  one.popup(2, kTypePopup);
  one.popup(3, kTypePopup, {"1999"});
  one.setup.table[3].popupLetter = 'c';  // left from an earlier count
  EXPECT_EQ(one.popupSections(), "\r\npopupa");
}

}  // namespace tk
