#include "import/ReadResult.h"

#include "import/CsvWriter.h"

namespace tk {

ReadResult ReadExportFile(const std::string& inputPath, InputText text,
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
  const Charset charset = text == InputText::Utf8 ? Charset::Utf8 : Charset::Windows1252;
  if (!in.open(inputPath, charset)) {
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

ReadResult ReadExportIntoCsv(const FieldSetup& setup, const ImportRun& run,
                             const RecordReader& readRecords) {
  return ReadExportFile(
      run.inputPath, run.inputText, run.csvPath,
      [&setup](OutputFile& out) { WriteCsvHeader(out, setup); }, readRecords);
}

}  // namespace tk
