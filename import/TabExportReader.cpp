#include "import/TabExportReader.h"

#include "fields/FieldTable.h"
#include "import/ByteRuns.h"
#include "import/CsvWriter.h"
#include "import/ImportMessages.h"
#include "platform/Charset.h"

#include <array>
#include <string>

namespace tk {
namespace {

enum class Export { EndNote, ProCite };

enum ByteKind : unsigned char {
  kOrdinary,
  kTab,
  kLineBreak,
  kRecordEnd,
  kQuote,
  kLostCharacter,
  kSkipped,
  kEndOfFile
};

using ByteKinds = std::array<ByteKind, 256>;

constexpr ByteKinds MakeKinds(Export kind, bool marked) {
  ByteKinds kinds{};
  if (marked) kinds[static_cast<unsigned char>(kReplacedMark)] = kLostCharacter;
  kinds[0x09] = kTab;
  kinds[0x0A] = kLineBreak;
  kinds[0x22] = kQuote;
  if (kind == Export::EndNote) {
    // Read as text: every CR is dropped and 0x1A ends the file.
    kinds[0x0D] = kSkipped;
    kinds[0x1A] = kEndOfFile;
    kinds[0xB0] = kRecordEnd;
  } else {
    kinds[0x0D] = kRecordEnd;
  }
  return kinds;
}
// By export, then without and with replacement marks.
constexpr ByteKinds kKinds[2][2] = {
    {MakeKinds(Export::EndNote, false), MakeKinds(Export::EndNote, true)},
    {MakeKinds(Export::ProCite, false), MakeKinds(Export::ProCite, true)}};

constexpr StopBytes StopsOf(const ByteKinds& kinds) {
  StopBytes stops;
  for (int b = 0; b < 256; ++b) {
    if (kinds[b] == kOrdinary) continue;
    stops.table[b] = 1;
    stops.list[stops.count++] = static_cast<unsigned char>(b);
  }
  return stops;
}
constexpr StopBytes kStops[2][2] = {{StopsOf(kKinds[0][0]), StopsOf(kKinds[0][1])},
                                    {StopsOf(kKinds[1][0]), StopsOf(kKinds[1][1])}};

class TabReader {
public:
  TabReader(Export kind, const FieldSetup& setup, ImportRun& run, Ui& ui, OutputFile& out)
      : kind_(kind), run_(run), ui_(ui), out_(out), record_(setup) {}

  void read(InputFile& in, ReadResult& result);

private:
  void endRecord();
  void writeRecord();

  Export kind_;
  ImportRun& run_;
  Ui& ui_;
  OutputFile& out_;
  CsvRecord record_;
  int records_ = 0;
  int truncated_ = 0;
  LostCharacters lost_;
};

void TabReader::read(InputFile& in, ReadResult& result) {
  MessagePump pump(ui_);
  const int byExport = kind_ == Export::EndNote ? 0 : 1;
  const int byMarks = HoldsReplacedMarks(run_.inputText) ? 1 : 0;
  const ByteKinds& kinds = kKinds[byExport][byMarks];
  const StopScanner scanner(kStops[byExport][byMarks]);
  // seen: an ordinary byte since the last record end (true at the start, so
  // a file may open with a line break). ordinary: the same, but false at the
  // start; it decides whether text after the last record end is a record.
  bool seen = true;
  bool ordinary = false;
  ScanRuns(
      in, pump, scanner,
      [&](std::string_view run) {
        record_.append(run.data(), run.size());
        seen = ordinary = true;
      },
      [&](char byte) {
        switch (kinds[static_cast<unsigned char>(byte)]) {
          case kTab:
            record_.nextValue();
            break;
          case kLineBreak:
            if (seen) record_.put(kLineBreakMark);
            break;
          case kQuote:
            record_.put('"');
            record_.put('"');
            break;
          case kLostCharacter:
            record_.put('?');
            lost_.mark();
            seen = ordinary = true;
            break;
          case kRecordEnd:
            endRecord();
            seen = ordinary = false;
            break;
          case kEndOfFile:
            return false;
          default:
            break;
        }
        return true;
      });
  // A last record without its end still holds a reference.
  if (!in.failed() && ordinary) endRecord();
  pump.pumpNow();
  // Asked at the end too, so a stop during a short file is not missed; what
  // was read is then discarded.
  if (pump.stopped()) result.status = ReadStatus::Stopped;
  result.records = records_;
  result.truncated = truncated_;
  result.replaced = lost_.records();
}

void TabReader::endRecord() {
  if (kind_ == Export::ProCite) {
    ui_.setRecordCounter(records_);
    // Blank lines between ProCite records are neither counted nor written.
    if (!record_.finish()) {
      record_.clear();
      lost_.forget();
      return;
    }
    ++records_;
  } else {
    ++records_;
    ui_.setRecordCounter(records_);
    record_.finish();
  }
  writeRecord();
  record_.clear();
}

void TabReader::writeRecord() {
  if (WriteCsvRecord(out_, record_)) {
    run_.note(TruncatedLine(records_));
    ++truncated_;
  }
  lost_.recordWritten(run_, records_);
}

ReadResult ReadTabExport(Export kind, const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadExportFile(
      run.inputPath, run.inputText, run.csvPath,
      [&setup](OutputFile& out) { WriteCsvHeader(out, setup); },
      [&](InputFile& in, OutputFile& out, ReadResult& result) {
        TabReader(kind, setup, run, ui, out).read(in, result);
      });
}

}  // namespace

ReadResult ReadEndNoteExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadTabExport(Export::EndNote, setup, run, ui);
}

ReadResult ReadProCiteExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadTabExport(Export::ProCite, setup, run, ui);
}

}  // namespace tk
