#include "export/TaggedWriter.h"

#include "export/CsvLine.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldTable.h"
#include "platform/MessagePump.h"

#include <algorithm>
#include <iterator>

namespace tk {
namespace {

const char* const kRisTags[] = {
    "",       "TY  - ", "ID  - ", "T1  - ", "A1  - ", "Y1  - ", "N1  - ", "KW  - ", "RP  - ",
    "SP  - ", "EP  - ", "JF  - ", "VL  - ", "T2  - ", "A2  - ", "IS  - ", "CY  - ", "PB  - ",
    "U1  - ", "U2  - ", "U3  - ", "U4  - ", "U5  - ", "T3  - ", "A3  - ", "N2  - ", "SN  - ",
    "AV  - ", "Y2  - ", "M1  - ", "M2  - ", "M3  - ", "AD  - ", "UR  - ",
};
constexpr int kRisAuthors = 4;
constexpr int kRisKeywords = 7;
constexpr char kLineBreakByte = '\x85';

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

// Line breaks inside a value would split the record; tabs would shift columns.
std::string CleanValue(std::string value) {
  for (char& c : value) {
    if (c == '\n' || c == '\r')
      c = kLineBreakByte;
    else if (c == '\t')
      c = ' ';
  }
  return value;
}

// Column i feeds field SGFldMap[i].field. A data line shorter than the header
// leaves its missing items empty.
void FillFieldHolder(AppState& state, int columns) {
  for (int i = 1; i <= columns; ++i) {
    const auto item = static_cast<std::size_t>(i - 1);
    int field = state.SGFldMap[static_cast<std::size_t>(i)].field;
    state.SGEnHolder[static_cast<std::size_t>(field)].value =
        item < state.csvItems.size() ? state.csvItems[item] : std::string();
  }
}

void WriteRisParts(OutputFile& out, std::string_view tag, std::string_view value) {
  std::size_t pos = 0;
  while (pos < value.size()) {
    std::size_t end = value.find(';', pos);
    if (end == std::string_view::npos) end = value.size();
    if (end > pos) {
      out.write(tag);
      out.writeLine(value.substr(pos, end - pos));
    }
    pos = end + 1;
  }
}

}  // namespace

int ExportFieldCount(const AppState& state) {
  return state.convMode == kModeProCiteGeneric ? kMaxFieldCount : state.fieldCount;
}

std::string_view RisTagOf(int field) {
  if (field < 1 || field >= static_cast<int>(std::size(kRisTags))) return "";
  return kRisTags[field];
}

bool WriteGenericHeader(const AppState& state, OutputFile& out) {
  out.writeLine("*GENERIC");
  for (int f = 1; f <= state.fieldCount; ++f) {
    out.write(FieldLongName(kModeEndNote, f));
    if (f < state.fieldCount) out.put('\t');
  }
  out.endLine();
  return true;
}

int LoadCsvHeader(AppState& state) {
  const int columns = static_cast<int>(state.csvItems.size());
  state.SGFldMap.resize(std::max(state.SGFldMap.size(), state.csvItems.size() + 1));
  for (int i = 1; i <= columns; ++i) {
    state.SGFldMap[static_cast<std::size_t>(i)].headerItem =
        state.csvItems[static_cast<std::size_t>(i - 1)];
  }
  return columns;
}

void BuildColumnMap(AppState& state, int columns) {
  const int fields = ExportFieldCount(state);
  state.SGEnHolder.resize(std::max(state.SGEnHolder.size(), static_cast<std::size_t>(fields) + 1));
  for (int f = 1; f <= fields; ++f) {
    auto& row = state.SGEnHolder[static_cast<std::size_t>(f)];
    row.matchName = state.convMode == kModeProCiteGeneric
                        ? std::string(GenericFieldMap(f))
                        : std::string(FieldLabel(state.convMode, f));
    row.value.assign(1, ' ');
  }
  for (int i = 1; i <= columns; ++i) {
    auto& column = state.SGFldMap[static_cast<std::size_t>(i)];
    column.field = 0;
    for (int f = 1; f <= fields; ++f) {
      if (SameTextIgnoringCase(column.headerItem,
                               state.SGEnHolder[static_cast<std::size_t>(f)].matchName)) {
        column.field = f;
        break;
      }
    }
  }
}

int WriteTabbedRecord(AppState& state, OutputFile& out, int columns) {
  FillFieldHolder(state, columns);
  const int fields = ExportFieldCount(state);
  for (int f = 1; f <= fields; ++f) {
    const std::string& value = state.SGEnHolder[static_cast<std::size_t>(f)].value;
    if (value != " ") out.write(CleanValue(value));
    if (f < fields) out.put('\t');
  }
  out.endLine();
  return 1;
}

int WriteRisRecord(AppState& state, OutputFile& out, int columns) {
  FillFieldHolder(state, columns);
  for (int f = 1; f <= state.fieldCount; ++f) {
    const std::string& value = state.SGEnHolder[static_cast<std::size_t>(f)].value;
    if (value.empty() || value == " " || RisTagOf(f).empty()) continue;
    const std::string clean = CleanValue(value);
    if (f == kRisAuthors || f == kRisKeywords) {
      WriteRisParts(out, RisTagOf(f), clean);
    } else {
      out.write(RisTagOf(f));
      out.writeLine(clean);
    }
  }
  out.writeLine("ER  - ");
  out.endLine();
  return 1;
}

namespace {

void ReportUnreadLine(Ui& ui, CsvLineReader::Result result) {
  if (result == CsvLineReader::Result::TooLong) {
    ui.showMessage(MessageKind::Error, "Records of more than 32K Not supported");
  } else if (result == CsvLineReader::Result::ReadError) {
    ui.showMessage(MessageKind::Error, "Couldnt read csv file");
  }
}

// Writes a record for each data line until the input ends, a line can't be
// read (that result is returned) or the record limit is reached (Line).
CsvLineReader::Result WriteTaggedRecords(AppState& state, Ui& ui, MessagePump& pump,
                                         CsvLineReader& reader, OutputFile& out, int columns,
                                         std::int32_t& records) {
  std::string line;
  while (records < kMaxExportRecords) {
    pump.pump();
    const CsvLineReader::Result result = reader.next(line);
    if (result != CsvLineReader::Result::Line) return result;
    ParseDataLine(std::move(line), state.csvItems);
    if (state.convMode == kModeRefMan)
      WriteRisRecord(state, out, columns);
    else
      WriteTabbedRecord(state, out, columns);
    ++records;
    ui.setRecordCounter(records);
  }
  return CsvLineReader::Result::Line;
}

}  // namespace

std::int32_t ConvertCsvToTagged(AppState& state, Ui& ui, const std::string& csvPath) {
  InputFile in;
  if (!in.open(csvPath)) {
    ui.showMessage(MessageKind::Error, "Couldnt load csv File");
    return 0;
  }
  OutputFile out;
  if (!out.open(state.taggedPath)) {
    ui.showMessage(MessageKind::Error, "Couldnt open output output File");
    return 0;
  }
  if (state.convMode == kModeEndNote) WriteGenericHeader(state, out);

  MessagePump pump(ui);
  pump.pumpNow();
  CsvLineReader reader(in, kMaxCsvLineLength);
  std::string header;
  const CsvLineReader::Result headerRead = reader.next(header);
  if (headerRead != CsvLineReader::Result::Line) {
    ReportUnreadLine(ui, headerRead);
    return 0;
  }
  ParseCommaText(header, state.csvItems);
  const int columns = LoadCsvHeader(state);
  BuildColumnMap(state, columns);

  std::int32_t records = 0;
  const CsvLineReader::Result last =
      WriteTaggedRecords(state, ui, pump, reader, out, columns, records);
  ReportUnreadLine(ui, last);
  if (last == CsvLineReader::Result::TooLong) return 0;
  // Only warn when records were really left behind: a file of exactly the
  // limit has been transferred whole.
  if (last == CsvLineReader::Result::Line && reader.moreData()) {
    ui.showMessage(MessageKind::Information, "Transfer Stopped too many records to transfer");
  }
  if (out.commit()) return records;
  ui.showMessage(MessageKind::Error, "Unable to write to " + state.taggedPath);
  return 0;
}

}  // namespace tk
