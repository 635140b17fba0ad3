#include "import/ReadResult.h"

#include "import/CsvWriter.h"

namespace tk {

ReadResult ReadExportFile(const std::string& inputPath, std::optional<Transcoding> transcoding,
                          const std::string& outputPath, const HeaderWriter& writeHeader,
                          const RecordReader& readRecords) {
  ReadResult result;
  OutputFile out;
  if (!out.open(outputPath)) {
    result.status = ReadStatus::OutputNotOpened;
    return result;
  }
  writeHeader(out);
  InputFile in;
  if (!in.open(inputPath, transcoding)) {
    result.status = ReadStatus::InputNotOpened;
  } else {
    readRecords(in, out, result);
    if (result.status == ReadStatus::Stopped) {
      result.records = 0;
      return result;
    }
    if (in.failed()) result.status = ReadStatus::InputNotRead;
    // A part must not pass for the whole: the earlier CSV stays.
    if (result.overLimit) {
      result.status = ReadStatus::TooManyRecords;
      result.records = 0;
      return result;
    }
  }
  if (!out.commit()) {
    result.records = 0;
    result.failedFile = outputPath;
  }
  return result;
}

std::optional<Transcoding> TranscodingOf(const ImportRun& run, bool recordEnds) {
  if (!run.transcodes()) return std::nullopt;
  const SourceCharset source =
      run.inputText == InputText::Utf8 ? SourceCharset::Utf8 : SourceCharset::Windows1252;
  return Transcoding{source, run.palm, recordEnds};
}

ReadResult ReadExportIntoCsv(const FieldSetup& setup, const ImportRun& run,
                             const RecordReader& readRecords, bool recordEnds) {
  return ReadExportFile(
      run.inputPath, TranscodingOf(run, recordEnds), run.csvPath,
      [&setup](OutputFile& out) { WriteCsvHeader(out, setup); }, readRecords);
}

}  // namespace tk
