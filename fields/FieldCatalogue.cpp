#include "fields/FieldCatalogue.h"

#include <iterator>
#include <span>

namespace tk {
namespace {

// A generic field is called the same in the window and the export.
constexpr FieldName Same(const char* name) { return {name, name}; }

// Field names of the four modes; texts exactly as the program shows them.
const FieldName kEndNoteNames[] = {
    {"DUMMY", "DUMMY"},
    {"Reference Type", "Reference Type"},      // 1
    {"Author", "Author"},                      // 2
    {"Year", "Year"},                          // 3
    {"Title", "Title"},                        // 4
    {"Title 2", "Secondary Title"},            // 5
    {"Editor", "Secondary Author"},            // 6
    {"Place Published", "Place Published"},    // 7
    {"Publisher", "Publisher"},                // 8
    {"Volume", "Volume"},                      // 9
    {"Number", "Number"},                      // 10
    {"Pages", "Pages"},                        // 11
    {"Call Number", "Call Number"},            // 12
    {"Keywords", "Keywords"},                  // 13
    {"Abstract", "Abstract"},                  // 14
    {"Notes", "Notes"},                        // 15
    {"# of Vols", "Number of Volumes"},        // 16
    {"Author 3", "Tertiary Author"},           // 17
    {"Title 3", "Tertiary Title"},             // 18
    {"Edition", "Edition"},                    // 19
    {"Date", "Date"},                          // 20
    {"Type", "Type of Work"},                  // 21
    {"Translator", "Subsidiary Author"},       // 22
    {"Alt Title", "Alternate Title"},          // 23
    {"ISBN", "ISBN/ISSN"},                     // 24
    {"Accession Number", "Accession Number"},  // 25
    {"Label", "Label"},                        // 26
    {"URL", "URL"},                            // 27
    {"Custom 1", "Custom 1"},                  // 28
    {"Custom 2", "Custom 2"},                  // 29
    {"Custom 3", "Custom 3"},                  // 30
    {"Custom 4", "Custom 4"},                  // 31
    {"FAULT", "FAULT"},
};
const FieldName kRefManNames[] = {
    {"DUMMY", "DUMMY"},
    {"Ref Type", "Ref Type"},            // 1
    {"Ref ID", "Ref ID"},                // 2
    {"Title 1 ", "Title 1 "},            // 3
    {"Authors 1", "Authors 1"},          // 4
    {"Pub Date 1", "Pub Date 1"},        // 5
    {"Notes", "Notes"},                  // 6
    {"Keywords", "Keywords"},            // 7
    {"Reprint", "Reprint"},              // 8
    {"Start Page", "Start Page"},        // 9
    {"End Page", "End Page"},            // 10
    {"Periodical", "Periodical"},        // 11
    {"Volume", "Volume"},                // 12
    {"Title 2", "Title 2"},              // 13
    {"Author 2", "Author 2"},            // 14
    {"Issue", "Issue"},                  // 15
    {"Pub Place", "Pub Place"},          // 16
    {"Publisher", "Publisher"},          // 17
    {"User 1", "User 1"},                // 18
    {"User 2", "User 2"},                // 19
    {"User 3", "User 3"},                // 20
    {"User 4", "User 4"},                // 21
    {"User 5", "User 5"},                // 22
    {"Title-Series", "Title-Series"},    // 23
    {"Author-Series", "Author-Series"},  // 24
    {"Abstract", "Abstract"},            // 25
    {"ISBN", "ISBN"},                    // 26
    {"Availability", "Availability"},    // 27
    {"Date 2", "Date 2"},                // 28
    {"Misc 1", "Misc 1"},                // 29
    {"Misc 2", "Misc 2"},                // 30
    {"Misc 3", "Misc 3"},                // 31
    {"Address", "Address"},              // 32
    {"URL", "URL"},                      // 33
    {"XX", "XX"},
    {"YY", "YY"},
    {"ZZ", "ZZ"},
};
const FieldName kProCiteNames[] = {
    {"DUMMY", "DUMMY"},
    {"WorkSheet", "WorkSheet"},                     // 1
    {"Record ID", "Record ID"},                     // 2
    {"1  Author,Analytic", "Author,Analytic"},      // 3
    {"2  Author Role", "Author Role"},              // 4
    {"3  Auth Affiliation", "Auth Affiliation"},    // 5
    {"4  Title, Analytic", "Title, Analytic"},      // 6
    {"5  Medium ", "Medium Designator"},            // 7
    {"6  Connective Phrase", "Connective Phrase"},  // 8
    {"7  Author,Monograph", "Author,Monograph"},    // 9
    {"8  Author Role", "Author Role"},              // 10
    {"9  Title,Monograph", "Title,Monograph"},      // 11
    {"10 Journal Title", "Journal Title"},          // 12
    {"11 Title", "Title"},                          // 13
    {"12 Reprint Status", "Reprint Status"},        // 14
    {"13 Place of Meeting", "Place of Meeting"},    // 15
    {"14 Medium ", "Medium Designator"},            // 16
    {"15 Edition", "Edition"},                      // 17
    {"16 Author,Sub", "Author,Subsidiary"},         // 18
    {"17 Author Role", "Author Role"},              // 19
    {"18 Place Pub", "Place of Publication"},       // 20
    {"19 Publisher", "Publisher Name"},             // 21
    {"20 Published", "Date of Publication"},        // 22
    {"21 Copyright date", "Date of Copyright"},     // 23
    {"22 Volume ID", "Volume ID"},                  // 24
    {"23 Report ID", "Report ID"},                  // 25
    {"24 Issue ID", "Issue ID"},                    // 26
    {"25 Location in Work", "Location in Work"},    // 27
    {"26 Extent of Work", "Extent of Work"},        // 28
    {"27 Packaging Method", "Packaging Method"},    // 29
    {"28 Size", "Size"},                            // 30
    {"29 Repro Ratio", "Reproduction Ratio"},       // 31
    {"30 Series Editor", "Series Editor"},          // 32
    {"31 Editor Role", "Series Editor Role"},       // 33
    {"32 Series Title", "Series Title"},            // 34
    {"33 Series Vol ID", "Series Volume ID"},       // 35
    {"34 Series Iss ID", "Series Issue ID"},        // 36
    {"35 Document Type", "Document Type"},          // 37
    {"36 Connective Phrase", "Connective Phrase"},  // 38
    {"37 Availability", "Availability"},            // 39
    {"38 Location/URL", "Location/URL"},            // 40
    {"39 CODEN", "CODEN"},                          // 41
    {"40 ISSN", "ISSN"},                            // 42
    {"41 ISBN", "ISBN"},                            // 43
    {"42 Notes", "Notes"},                          // 44
    {"43 Abstract", "Abstract"},                    // 45
    {"44 Call Number", "Call Number"},              // 46
    {"45 Keywords", "Keywords"},                    // 47
    {"END1", "END1"},
};
const FieldName kGenericNames[] = {
    Same("DUMMY"),
    Same("WorkSheet"),             // 1
    Same("Record ID"),             // 2
    Same("Author, Analytic"),      // 3
    Same("Title, Analytic"),       // 4
    Same("Author, Monographic"),   // 5
    Same("Title, Monographic"),    // 6
    Same("Journal Title"),         // 7
    Same("Reprint Status"),        // 8
    Same("Place of Publication"),  // 9
    Same("Publisher Name"),        // 10
    Same("Date of Publication"),   // 11
    Same("Date of Copyright"),     // 12
    Same("Volume ID"),             // 13
    Same("Issue ID"),              // 14
    Same("Location in Work"),      // 15
    Same("Series Editor"),         // 16
    Same("Series Title"),          // 17
    Same("Address/Availability"),  // 18
    Same("Location/URL"),          // 19
    Same("ISSN"),                  // 20
    Same("Notes"),                 // 21
    Same("Abstract"),              // 22
    Same("Call Number"),           // 23
    Same("Keywords"),              // 24
    Same("END1"),
};
// Where each ProCite all-fields number n lands in the generic database, as a
// row of kGenericNames; kNoGenericField where it has none.
constexpr int kNoGenericField = -1;
constexpr int kGenericFieldOf[] = {
    0,                // DUMMY
    1,                // 1
    2,                // 2
    3,                // 3
    kNoGenericField,  // 4
    kNoGenericField,  // 5
    4,                // 6
    kNoGenericField,  // 7
    kNoGenericField,  // 8
    5,                // 9
    kNoGenericField,  // 10
    6,                // 11
    7,                // 12
    kNoGenericField,  // 13
    8,                // 14
    kNoGenericField,  // 15
    kNoGenericField,  // 16
    kNoGenericField,  // 17
    kNoGenericField,  // 18
    kNoGenericField,  // 19
    9,                // 20
    10,               // 21
    11,               // 22
    12,               // 23
    13,               // 24
    kNoGenericField,  // 25
    14,               // 26
    15,               // 27
    kNoGenericField,  // 28
    kNoGenericField,  // 29
    kNoGenericField,  // 30
    kNoGenericField,  // 31
    16,               // 32
    kNoGenericField,  // 33
    17,               // 34
    kNoGenericField,  // 35
    kNoGenericField,  // 36
    kNoGenericField,  // 37
    kNoGenericField,  // 38
    18,               // 39
    19,               // 40
    kNoGenericField,  // 41
    20,               // 42
    kNoGenericField,  // 43
    21,               // 44
    22,               // 45
    23,               // 46
    24,               // 47
    25,               // END1
};

std::span<const FieldName> TableOf(Mode mode) {
  switch (mode) {
    case Mode::EndNote:
      return kEndNoteNames;
    case Mode::RefMan:
      return kRefManNames;
    case Mode::ProCite:
      return kProCiteNames;
    case Mode::ProCiteGeneric:
      return kGenericNames;
  }
  return {};
}

}  // namespace

FieldName FieldNameTable(Mode mode, int n) {
  auto table = TableOf(mode);
  if (n < 0 || static_cast<std::size_t>(n) >= table.size()) return {"", ""};
  return table[static_cast<std::size_t>(n)];
}

std::string_view FieldLabel(Mode mode, int n) { return FieldNameTable(mode, n).label; }

std::string_view FieldLongName(Mode mode, int n) { return FieldNameTable(mode, n).longName; }

std::string_view GenericFieldMap(int n) {
  if (n < 0 || n >= static_cast<int>(std::size(kGenericFieldOf))) return "";
  const int generic = kGenericFieldOf[n];
  return generic == kNoGenericField ? "---" : kGenericNames[generic].label;
}

}  // namespace tk
