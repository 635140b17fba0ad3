#include "import/GenericPrePass.h"

#include "fields/FieldCatalogue.h"
#include "fields/FieldTable.h"
#include "import/ByteRuns.h"
#include "import/OutputNaming.h"

#include <array>

namespace tk {
namespace {

constexpr char kLineBreakMark = static_cast<char>(0x85);

// Columns 1..47 of a ProCite export that the generic database keeps.
const std::array<bool, kFieldTableSize + 1>& KeptColumns() {
  static const auto kept = [] {
    std::array<bool, kFieldTableSize + 1> table{};
    for (int n = 1; n <= kMaxFieldCount; ++n) table[n] = GenericFieldMap(n) != "---";
    return table;
  }();
  return kept;
}

constexpr StopBytes kSpecial = MakeStopBytes({'\t', '\n', '\r', '"'});

bool IsKept(int column) { return column <= kMaxFieldCount && KeptColumns()[column]; }

}  // namespace

GenericLineWriter::GenericLineWriter(OutputFile& out) : out_(out) {}

void GenericLineWriter::nextColumn() {
  stored_ = true;
  endColumn();
  if (column_ <= kMaxFieldCount) ++column_;
  kept_ = IsKept(column_);
}

void GenericLineWriter::endColumn() {
  if (kept_) {
    if (!columnHasBytes_) emit(' ');
    if (++written_ < kGenericColumns) emit('\t');
  }
  columnHasBytes_ = false;
}

void GenericLineWriter::endRecord() {
  if (stored_) endColumn();
  release();
  out_.endLine();
  column_ = 1;
  kept_ = IsKept(1);
  written_ = 0;
  columnHasBytes_ = stored_ = false;
}

void GenericLineWriter::release() {
  holding_ = false;
  out_.write(held_);
  held_.clear();
}

void GenericLineWriter::dropHeld() {
  holding_ = false;
  held_.clear();
  column_ = 1;
  kept_ = IsKept(1);
  written_ = 0;
  columnHasBytes_ = stored_ = false;
}

void WriteGenericLine(OutputFile& out, std::string_view record) {
  GenericLineWriter line(out);
  for (char c : record) {
    if (c == '\t') {
      line.nextColumn();
    } else {
      line.put(c);
    }
  }
  line.endRecord();
}

namespace {

// Copies the export's records into the intermediate file; the number of
// records seen.
int ReduceRecords(InputFile& in, OutputFile& out, Ui& ui) {
  MessagePump pump(ui);
  const StopScanner scanner(kSpecial);
  GenericLineWriter line(out);
  int records = 0;
  // As in the ProCite reader: seen allows a line break at the very start,
  // ordinary decides whether text after the last CR is a record.
  bool seen = true;
  bool ordinary = false;
  line.holdBack();
  ScanRuns(
      in, pump, scanner,
      [&](std::string_view run) {
        if (!ordinary) line.release();
        line.write(run);
        seen = ordinary = true;
      },
      [&](char byte) {
        switch (byte) {
          case '\t':
            line.nextColumn();
            break;
          case '\n':
            if (seen) line.put(kLineBreakMark);
            break;
          case '\r':
            ui.setRecordCounter(++records);
            line.endRecord();
            line.holdBack();
            seen = ordinary = false;
            break;
          default:
            line.put('"');
            break;  // a double quote, copied as it is
        }
        return true;
      });
  if (in.failed()) ui.showMessage(MessageKind::Error, "Couldnt read csv file");
  // A last record without its CR still holds a reference (and one whose
  // start was too long to hold back is already partly written).
  if (ordinary || !line.holding()) {
    ui.setRecordCounter(++records);
    line.endRecord();
  } else {
    line.dropHeld();
  }
  pump.pumpNow();
  return records;
}

}  // namespace

int PrepareGenericExport(AppState& state, Ui& ui) {
  const std::string path = GenericIntermediatePath(state);
  OutputFile out;
  if (!OpenImportOutput(out, path, ui)) return 0;
  InputFile in;
  int records = 0;
  if (in.open(state.inputPath)) {
    records = ReduceRecords(in, out, ui);
  } else {
    ui.showMessage(MessageKind::Error, "Couldnt Open input .tsv file");
  }
  return CommitImportOutput(out, path, ui) ? records : 0;
}

}  // namespace tk
