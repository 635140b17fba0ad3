#pragma once
// ProCite (generic) mode: before the ProCite reader runs, the export's 47
// columns are reduced to the 24 that the generic database has, into an
// intermediate tab-separated file beside the CSV (csvPath with ".tkg").
#include "fields/AppState.h"
#include "platform/Files.h"
#include "platform/Ui.h"

#include <string>
#include <string_view>

namespace tk {

// Number of generic fields, i.e. of columns on an intermediate line.
inline constexpr int kGenericColumns = 24;

// Reads state.inputPath, writes GenericIntermediatePath(state); returns the
// number of records seen (blank lines included), 0 when a file can't be
// opened. csvPath is left as it was.
int PrepareGenericExport(AppState& state, Ui& ui);

// Writes record (columns separated by TABs) as one intermediate line.
void WriteGenericLine(OutputFile& out, std::string_view record);

// Streams one record's columns into a line of the intermediate file: kept
// columns only, an empty column as one blank, each followed by a TAB until 24
// have been written. Nothing of a record is kept in memory.
class GenericLineWriter {
public:
  explicit GenericLineWriter(OutputFile& out);

  void put(char byte) {
    stored_ = columnHasBytes_ = true;
    if (kept_) emit(byte);
  }
  void write(std::string_view bytes) {
    stored_ = columnHasBytes_ = true;
    if (kept_) emit(bytes);
  }
  void nextColumn();  // a TAB
  void endRecord();   // writes the line end

  // Holding back: the start of a record is kept until holdBack() is ended by
  // release(), so a last record that turns out to be empty can be dropped.
  void holdBack() { holding_ = true; }
  bool holding() const { return holding_; }
  void release();
  void dropHeld();

private:
  void emit(char byte) {
    if (!holding_) {
      out_.put(byte);
    } else {
      held_.push_back(byte);
      if (held_.size() >= kHoldLimit) release();
    }
  }
  void emit(std::string_view bytes) {
    if (!holding_) {
      out_.write(bytes);
    } else {
      held_.append(bytes);
      if (held_.size() >= kHoldLimit) release();
    }
  }
  void endColumn();

  // A record start longer than this without any text in it is written
  // anyway; no real export has one.
  static constexpr std::size_t kHoldLimit = 1 << 16;

  OutputFile& out_;
  int column_ = 1;
  bool kept_ = true;  // column 1 is always kept
  int written_ = 0;
  bool columnHasBytes_ = false;
  bool stored_ = false;
  bool holding_ = false;
  std::string held_;
};

}  // namespace tk
