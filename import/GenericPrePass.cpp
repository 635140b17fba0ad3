#include "import/GenericPrePass.h"

#include "fields/FieldCatalogue.h"
#include "fields/FieldTable.h"
#include "fields/ProgramModes.h"
#include "import/ByteRuns.h"
#include "import/OutputNaming.h"
#include "import/RecordEnds.h"

#include <array>
#include <string>
#include <string_view>

namespace tk {
namespace {

constexpr StopBytes kSpecial = MakeStopBytes({'\t', '\n', '\r', '"'});

// Streams one record's columns into a line of the intermediate file: kept
// columns only, an empty column as one blank, each followed by a TAB until
// the generic database's fields have all been written. Nothing of a record
// is kept in memory, apart from the start held back (see holdBack).
class GenericLineWriter {
public:
  explicit GenericLineWriter(OutputFile& out) : out_(out) {
    for (int n = 1; n <= kMaxFieldCount; ++n) kept_[n] = GenericFieldMap(n) != "---";
    startLine();
  }

  void put(char byte) {
    stored_ = columnHasBytes_ = true;
    if (keeping_) emit(std::string_view(&byte, 1));
  }
  void write(std::string_view bytes) {
    stored_ = columnHasBytes_ = true;
    if (keeping_) emit(bytes);
  }
  void nextColumn() {  // a TAB
    stored_ = true;
    endColumn();
    if (column_ <= kMaxFieldCount) ++column_;
    keeping_ = isKept(column_);
  }
  void endRecord() {  // writes the line end
    if (stored_) endColumn();
    release();
    out_.endLine();
    startLine();
  }

  // The start of a record is held back until release(), so a last record
  // that turns out to be empty can be dropped.
  void holdBack() { holding_ = true; }
  bool holding() const { return holding_; }
  void release() {
    holding_ = false;
    out_.write(held_);
    held_.clear();
  }
  void dropHeld() {
    holding_ = false;
    held_.clear();
    startLine();
  }

private:
  bool isKept(int column) const { return column <= kMaxFieldCount && kept_[column]; }
  void startLine() {
    column_ = 1;
    keeping_ = isKept(1);
    written_ = 0;
    columnHasBytes_ = stored_ = false;
  }
  void endColumn() {
    if (keeping_) {
      if (!columnHasBytes_) emit(" ");
      if (++written_ < columns_) emit("\t");
    }
    columnHasBytes_ = false;
  }
  void emit(std::string_view bytes) {
    if (!holding_) {
      out_.write(bytes);
      return;
    }
    held_.append(bytes);
    if (held_.size() >= kHoldLimit) release();
  }

  // A record start longer than this without any text in it is written
  // anyway; no real export has one.
  static constexpr std::size_t kHoldLimit = 1 << 16;

  OutputFile& out_;
  std::array<bool, kFieldTableSize> kept_{};  // by ProCite column, 1..47
  const int columns_ = InfoOf(Mode::ProCiteGeneric).fieldCount;
  // Where the line is; startLine() sets these.
  int column_;
  bool keeping_;
  int written_;
  bool columnHasBytes_;
  bool stored_;
  bool holding_ = false;
  std::string held_;
};

// Copies the export's records into the intermediate file and counts those
// seen.
void ReduceRecords(InputFile& in, OutputFile& out, char lineBreak, Ui& ui, ReadResult& result) {
  MessagePump pump(ui);
  const StopScanner scanner(kSpecial);
  GenericLineWriter line(out);
  RecordTally tally;
  RecordEndTracker ends;
  line.holdBack();
  ScanRuns(
      in, pump, scanner,
      [&](std::string_view run) {
        if (!ends.recordOpen()) line.release();
        line.write(run);
        ends.text();
      },
      [&](char byte) {
        switch (byte) {
          case '\t':
            line.nextColumn();
            break;
          case '\n':
            if (ends.keepsLineBreak()) line.put(lineBreak);
            break;
          case '\r':
            ui.setRecordCounter(++tally.records);
            line.endRecord();
            line.holdBack();
            ends.recordEnded();
            break;
          default:
            line.put('"');
            break;  // a double quote, copied as it is
        }
        return true;
      });
  // A record whose start was too long to hold back is partly written, so it
  // is ended even without text.
  EndRead(in, pump, tally, result, [&] {
    if (ends.recordOpen() || !line.holding()) {
      ui.setRecordCounter(++tally.records);
      line.endRecord();
    } else {
      line.dropHeld();
    }
  });
}

}  // namespace

ReadResult PrepareGenericExport(const ImportRun& run, Ui& ui) {
  return ReadExportFile(
      run.inputPath, TranscodingOf(run), GenericIntermediatePath(run), [](OutputFile&) {},
      [&ui, &run](InputFile& in, OutputFile& out, ReadResult& result) {
        ReduceRecords(in, out, run.marks().lineBreak, ui, result);
      });
}

}  // namespace tk
