#include "fields/DefaultStrategy.h"

#include "fields/EndNoteTags.h"
#include "fields/FieldCatalogue.h"

#include <initializer_list>

namespace tk {
namespace {

const std::initializer_list<const char*> kEndNoteTypes = {"Book",
                                                          "Book Section",
                                                          "Conference Proceedings",
                                                          "Edited Book",
                                                          "Generic",
                                                          "Journal Article",
                                                          "Magazine Article",
                                                          "Newspaper Article",
                                                          "Report",
                                                          "Thesis",
                                                          "Personal Communication",
                                                          "Artwork",
                                                          "Map",
                                                          "Audiovisual Material"};

const std::initializer_list<const char*> kEndNotePlaces = {
    "New York", "Ithaca", "London",  "Cambridge", "Princeton", "San Francisco", "Minneapolis",
    "Madison",  "Paris",  "Jakarta", "Hong Kong", "Tokyo",     "Singapore",     "Kuala Lumpur"};

const std::initializer_list<const char*> kEndNotePublishers = {"Routledge",
                                                               "Penguin Books",
                                                               "Pantheon",
                                                               "Harper & Row",
                                                               "Princeton University Press",
                                                               "Cornell University Press",
                                                               "Stanford University Press",
                                                               "ISAI",
                                                               "Oxford University Press",
                                                               "Grafiti Pers",
                                                               "Sinar Harapan",
                                                               "Duke"};

const std::initializer_list<const char*> kRefManTypes = {"Audiovisual Material",
                                                         "Bill/Resolution",
                                                         "Book Chapter",
                                                         "Book Whole",
                                                         "Case",
                                                         "Catalog",
                                                         "Computer Program",
                                                         "Conference Proceeding",
                                                         "Data File",
                                                         "Electronic Citation",
                                                         "Generic",
                                                         "Hearing",
                                                         "In Press",
                                                         "Internet Communication",
                                                         "Journal",
                                                         "Journal (Full)",
                                                         "Magazine Article",
                                                         "Map",
                                                         "Motion Picture",
                                                         "Music Score",
                                                         "Newspaper",
                                                         "Pamphlet",
                                                         "Patent",
                                                         "Personal Communication",
                                                         "Report",
                                                         "Serial (BookMonograph)",
                                                         "Slide",
                                                         "Sound Recording",
                                                         "Statute",
                                                         "Thesis/Dissertation",
                                                         "Unenacted Bill/Resolution",
                                                         "Unpublished Work",
                                                         "Video Recording"};

// Trailing blanks belong to the words.
const std::initializer_list<const char*> kProCiteTypes = {"Art Work ",
                                                          "Audiovisual Material ",
                                                          "Bill-Resolution ",
                                                          "Book Chapter",
                                                          "Book Long Form",
                                                          "Book Short Form",
                                                          "Book Whole",
                                                          "Case ",
                                                          "Computer Program ",
                                                          "Conference Proceedings ",
                                                          "Data File ",
                                                          "Dissertation ",
                                                          "Electronic Citation ",
                                                          "Email ",
                                                          "Generic",
                                                          "Hearing",
                                                          "In Press ",
                                                          "Journal Article ",
                                                          "Journal Long Form ",
                                                          "Journal Short Form ",
                                                          "Journal Whole ",
                                                          "Letter ",
                                                          "Magazine Article ",
                                                          "Manuscript ",
                                                          "Map ",
                                                          "Monograph ",
                                                          "Motion Picture ",
                                                          "Music Score ",
                                                          "Newspaper ",
                                                          "Patent ",
                                                          "Report ",
                                                          "Statute ",
                                                          "Sound Recording ",
                                                          "Trade Catalog ",
                                                          "Unenacted Bill-Resolution ",
                                                          "Unpublished Work ",
                                                          "Video Recording",
                                                          "Web Page"};

// A per-field line: runs of equal values, each value followed by a comma,
// except the very last where the default has none.
class ValueLine {
public:
  ValueLine& add(int value, int times = 1) {
    for (int i = 0; i < times; ++i) text_ += std::to_string(value) + ",";
    return *this;
  }
  std::string withComma() const { return text_; }
  std::string withoutLastComma() const { return text_.substr(0, text_.size() - 1); }

private:
  std::string text_;
};

std::string PopupLine(int field, std::initializer_list<const char*> words = {}) {
  std::string line = "fld" + std::to_string(field);
  for (const char* word : words) line += std::string(",") + word;
  return line;
}

std::vector<std::string> Head() { return {"110", "1", "0"}; }

void AddPlainPopupLines(std::vector<std::string>& lines, int from) {
  for (int n = from; n <= 9; ++n) lines.push_back(PopupLine(n));
}

std::vector<std::string> EndNoteDefault() {
  auto lines = Head();
  lines.push_back(ValueLine().add(3990, InfoOf(Mode::EndNote).fieldCount).withComma());
  // Fields 1-15, and the URL field: it holds the DOIs and links of every
  // RIS and `%` import.
  static_assert(kEndNoteUrlField == 27);
  lines.push_back(ValueLine().add(1, 15).add(0, 11).add(1).add(0, 4).withComma());
  lines.push_back(ValueLine().add(64).add(1).add(64).add(1, 3).add(64, 2).add(1, 23).withComma());
  lines.push_back(
      ValueLine().add(15).add(80).add(30).add(80, 5).add(20, 2).add(80, 21).withComma());
  lines.push_back(PopupLine(1, kEndNoteTypes));
  lines.push_back(PopupLine(2));
  std::string years = PopupLine(3);
  for (int year = 1980; year <= 2010; ++year) years += "," + std::to_string(year);
  lines.push_back(years);
  AddPlainPopupLines(lines, 4);
  lines[13] = PopupLine(7, kEndNotePlaces);
  lines[14] = PopupLine(8, kEndNotePublishers);
  return lines;
}

std::vector<std::string> RefManDefault() {
  auto lines = Head();
  lines.push_back(ValueLine().add(3990, 34).add(3938).add(3990, 3).add(3900, 6).withoutLastComma());
  lines.push_back(ValueLine().add(1, 46).withComma());
  lines.push_back(ValueLine().add(64).add(1, 45).withComma());
  lines.push_back(ValueLine().add(15).add(80).add(30).add(80, 28).withComma());
  lines.push_back(PopupLine(1, kRefManTypes) + ",");
  AddPlainPopupLines(lines, 2);
  return lines;
}

// Both ProCite modes; the generic lists carry one entry past its 24 fields.
std::vector<std::string> ProCiteDefault(int entries, int lastWidth) {
  auto lines = Head();
  lines.push_back(ValueLine().add(3990, entries - 1).add(lastWidth).withoutLastComma());
  lines.push_back(ValueLine().add(1, entries).withoutLastComma());
  lines.push_back(ValueLine().add(64).add(1, entries - 1).withoutLastComma());
  lines.push_back(ValueLine().add(15).add(80).add(30).add(80, entries - 3).withoutLastComma());
  lines.push_back(PopupLine(1, kProCiteTypes));
  AddPlainPopupLines(lines, 2);
  return lines;
}

}  // namespace

std::vector<std::string> DefaultStrategyLines(Mode mode) {
  switch (mode) {
    case Mode::EndNote:
      return EndNoteDefault();
    case Mode::RefMan:
      return RefManDefault();
    case Mode::ProCite:
      return ProCiteDefault(InfoOf(Mode::ProCite).fieldCount, 3990);
    case Mode::ProCiteGeneric:
      return ProCiteDefault(InfoOf(Mode::ProCiteGeneric).fieldCount + 1, 3991);
  }
  return {};
}

}  // namespace tk
