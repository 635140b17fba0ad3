#include "import/TabExportReader.h"

#include "fields/FieldTable.h"
#include "import/ByteRuns.h"
#include "import/CsvWriter.h"
#include "import/ImportMessages.h"
#include "import/RecordEnds.h"
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
  RecordTally tally_;
  bool sawRecordEnd_ = false;
};

void TabReader::read(InputFile& in, ReadResult& result) {
  MessagePump pump(ui_);
  const int byExport = kind_ == Export::EndNote ? 0 : 1;
  const int byMarks = HoldsReplacedMarks(run_.inputText) ? 1 : 0;
  const ByteKinds& kinds = kKinds[byExport][byMarks];
  const StopScanner scanner(kStops[byExport][byMarks]);
  RecordEndTracker ends;
  ScanRuns(
      in, pump, scanner,
      [&](std::string_view run) {
        record_.append(run.data(), run.size());
        ends.text();
      },
      [&](char byte) {
        switch (kinds[static_cast<unsigned char>(byte)]) {
          case kTab:
            record_.nextValue();
            break;
          case kLineBreak:
            if (ends.keepsLineBreak()) record_.put(kLineBreakMark);
            break;
          case kQuote:
            record_.put('"');
            record_.put('"');
            break;
          case kLostCharacter:
            record_.put('?');
            tally_.lost.mark();
            ends.text();
            break;
          case kRecordEnd:
            sawRecordEnd_ = true;
            endRecord();
            ends.recordEnded();
            break;
          case kEndOfFile:
            return false;
          default:
            break;
        }
        return true;
      });
  EndRead(in, pump, tally_, result, [&] {
    if (ends.recordOpen()) endRecord();
  });
  result.noRecordEnd = kind_ == Export::EndNote && result.records > 0 && !sawRecordEnd_;
}

void TabReader::endRecord() {
  if (tally_.full()) {
    record_.clear();
    tally_.lost.forget();
    return;
  }
  if (kind_ == Export::ProCite) {
    ui_.setRecordCounter(tally_.records);
    // Blank lines between ProCite records are neither counted nor written.
    if (!record_.finish()) {
      record_.clear();
      tally_.lost.forget();
      return;
    }
    ++tally_.records;
  } else {
    ++tally_.records;
    ui_.setRecordCounter(tally_.records);
    record_.finish();
  }
  writeRecord();
  record_.clear();
}

void TabReader::writeRecord() {
  if (WriteCsvRecord(out_, record_)) {
    run_.note(TruncatedLine(tally_.records));
    ++tally_.truncated;
  }
  tally_.lost.recordWritten(run_, tally_.records);
}

ReadResult ReadTabExport(Export kind, const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadExportIntoCsv(setup, run, [&](InputFile& in, OutputFile& out, ReadResult& result) {
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
