#pragma once
// What reading an export (or the generic pre-pass) did, and the steps every
// reader takes around its records: the output is opened first, since there
// is no point reading without somewhere to write; then the input; what was
// read is committed even when the input failed part way, but not when the
// user stopped the reading.
#include "fields/FieldSetup.h"
#include "import/ImportMessages.h"
#include "import/ImportRun.h"
#include "platform/Files.h"
#include "platform/MessagePump.h"

#include <functional>
#include <string>

namespace tk {

enum class ReadStatus {
  Read,             // the whole input was read
  OutputNotOpened,  // nothing was read
  InputNotOpened,   // the output holds its header alone
  InputNotRead,     // a read error; the records before it are written
  Stopped,          // the user stopped it; nothing is written
  TooManyRecords,   // more records than a database holds; nothing is written
};

// As many records as a JFile database holds, as the export direction reads.
inline constexpr int kMaxDatabaseRecords = 65535;

struct [[nodiscard]] ReadResult {
  ReadStatus status = ReadStatus::Read;
  int records = 0;         // in the output; 0 when it could not be written
  int truncated = 0;       // records with a value cut to its field's width
  int replaced = 0;        // records with a character the handheld's set lacks
  int lostValues = 0;      // records where a later line replaced a field's value
  std::string failedFile;  // the output that could not be written; empty when it was
  // EndNote's tab export: records were read, yet not one ended with the
  // record end, so the file is no such export.
  bool noRecordEnd = false;
  bool overLimit = false;  // a record past kMaxDatabaseRecords was met
};

using HeaderWriter = std::function<void(OutputFile& out)>;
// Reads the records of in into out and counts them in result; sets the
// status Stopped when the user stopped it.
using RecordReader = std::function<void(InputFile& in, OutputFile& out, ReadResult& result)>;

ReadResult ReadExportFile(const std::string& inputPath, std::optional<Transcoding> transcoding,
                          const std::string& outputPath, const HeaderWriter& writeHeader,
                          const RecordReader& readRecords);

// How the run's input is read: transcoded into the handheld's set unless it
// is in it already; recordEnds for EndNote's tab export.
std::optional<Transcoding> TranscodingOf(const ImportRun& run, bool recordEnds = false);

// ReadExportFile from the run's input into its CSV, under the header of the
// fields of setup.
ReadResult ReadExportIntoCsv(const FieldSetup& setup, const ImportRun& run,
                             const RecordReader& readRecords, bool recordEnds = false);

// Whether the open record lost a character, as every reader keeps it: once
// the record is written its number is logged and it is counted.
class LostCharacters {
public:
  void mark() { inRecord_ = true; }
  void forget() { inRecord_ = false; }
  void recordWritten(ImportRun& run, int record) {
    if (inRecord_) {
      run.note(CharactersReplacedLine(record));
      ++records_;
    }
    inRecord_ = false;
  }
  int records() const { return records_; }

private:
  bool inRecord_ = false;
  int records_ = 0;
};

// What a reader counts as it writes records, for its ReadResult.
struct RecordTally {
  int records = 0;
  int truncated = 0;
  int lostValues = 0;
  LostCharacters lost;
  bool overLimit = false;

  // True, and noted, once a database is full: a reader writes and logs no
  // record past it, so neither the log nor the converter grows with a file
  // of any length, and the file is refused whole.
  bool full() {
    if (records < kMaxDatabaseRecords) return false;
    overLimit = true;
    return true;
  }
};

// The end of a reader's pass over its input. A last record without its end
// is still a reference, and writeLast writes it, unless a read error cut it
// short. Messages are pumped once more and a stop asked for at the end too,
// so a stop during a short file is not missed; what was read is then
// discarded.
template <class WriteLast>
void EndRead(const InputFile& in, MessagePump& pump, const RecordTally& tally, ReadResult& result,
             WriteLast&& writeLast) {
  if (!in.failed()) writeLast();
  pump.pumpNow();
  if (pump.stopped()) result.status = ReadStatus::Stopped;
  result.records = tally.records;
  result.truncated = tally.truncated;
  result.replaced = tally.lost.records();
  result.lostValues = tally.lostValues;
  result.overLimit = tally.overLimit;
}

}  // namespace tk
