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

// What each byte of the run's input is to the reader: the marks depend on
// the handheld's set, so the table is made for each file.
ByteKinds MakeKinds(Export kind, const ImportRun& run) {
  ByteKinds kinds{};
  if (const auto mark = run.replacedMark())
    kinds[static_cast<unsigned char>(*mark)] = kLostCharacter;
  kinds[0x09] = kTab;
  kinds[0x0A] = kLineBreak;
  kinds[0x22] = kQuote;
  if (kind == Export::EndNote) {
    // Read as text: every CR is dropped and 0x1A ends the file.
    kinds[0x0D] = kSkipped;
    kinds[0x1A] = kEndOfFile;
    kinds[static_cast<unsigned char>(run.marks().recordEnd)] = kRecordEnd;
  } else {
    kinds[0x0D] = kRecordEnd;
  }
  return kinds;
}
StopBytes StopsOf(const ByteKinds& kinds) {
  StopBytes stops;
  for (int b = 0; b < 256; ++b) {
    if (kinds[b] == kOrdinary) continue;
    stops.table[b] = 1;
    stops.list[stops.count++] = static_cast<unsigned char>(b);
  }
  return stops;
}

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
  const ByteKinds kinds = MakeKinds(kind_, run_);
  const StopBytes stops = StopsOf(kinds);
  const StopScanner scanner(stops);
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
            if (ends.keepsLineBreak()) record_.put(run_.marks().lineBreak);
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
  if (WriteCsvRecord(out_, record_, run_.palm)) {
    run_.note(TruncatedLine(tally_.records));
    ++tally_.truncated;
  }
  tally_.lost.recordWritten(run_, tally_.records);
}

ReadResult ReadTabExport(Export kind, const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadExportIntoCsv(
      setup, run,
      [&](InputFile& in, OutputFile& out, ReadResult& result) {
        TabReader(kind, setup, run, ui, out).read(in, result);
      },
      kind == Export::EndNote);
}

}  // namespace

ReadResult ReadEndNoteExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadTabExport(Export::EndNote, setup, run, ui);
}

ReadResult ReadProCiteExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadTabExport(Export::ProCite, setup, run, ui);
}

}  // namespace tk
