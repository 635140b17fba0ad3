#pragma once
// What the core's fuzz targets share: a scratch folder for the input (the
// readers read files), a realistic state (a mode, its default strategy in the
// field table, and a selection and widths taken from the first bytes of the
// input, so one corpus explores many field choices), a Ui that shows
// nothing, and the common run of the import readers.
#include "fields/DefaultStrategy.h"
#include "fields/StrategyFile.h"
#include "fuzz/Check.h"
#include "import/ReadResult.h"
#include "import/RisReader.h"
#include "import/TabExportReader.h"
#include "platform/Ui.h"

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tk::fuzz {

// A per-process scratch folder, which ClearScratch creates at the start of
// every run. scripts/fuzz.sh names one and removes it afterwards: libFuzzer
// ends a timed run without running exit handlers.
inline const std::string& ScratchFolder() {
  namespace fs = std::filesystem;
  static const std::string path = [] {
    const char* given = std::getenv("TOMEKIT_FUZZ_SCRATCH");
    const fs::path base = given && *given ? fs::path(given) : fs::temp_directory_path();
    return (base / ("tomekit-fuzz-" + std::to_string(::getpid()))).string();
  }();
  return path;
}

// Writes the input to name in the scratch folder and returns its path.
inline std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
  std::string path = ScratchFolder() + "/" + name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

// Reads the input's leading control bytes, one at a time.
struct Controls {
  const std::uint8_t*& data;
  std::size_t& size;
  std::uint8_t next() { return size == 0 ? 0 : (--size, *data++); }
  Mode nextMode() { return kAllModes[next() % kAllModes.size()]; }
};

// The mode's default strategy, then 6 control bytes: the selection (a field
// is dropped when its bit is set, so "all selected" stays easy to reach) and
// small widths now and then, so values get cut.
inline FieldSetup SetUpFields(Mode mode, Controls& controls) {
  FieldSetup setup{.mode = mode, .fieldCount = InfoOf(mode).fieldCount};
  const auto lines = DefaultStrategyLines(mode);
  for (std::size_t i = 0; i < lines.size(); ++i)
    Check(!ParseStrategyLine(setup, lines[i], static_cast<int>(i)), "a default is not a number");
  std::uint64_t bits = 0;
  for (int i = 0; i < 6; ++i) bits |= static_cast<std::uint64_t>(controls.next()) << (8 * i);
  const std::uint8_t widthByte = controls.next();
  for (int n = 1; n <= setup.fieldCount; ++n) {
    FldDef& field = setup.table[static_cast<std::size_t>(n)];
    field.selected = (bits >> (n - 1)) & 1 ? 0 : 1;
    if (widthByte & 0x80) field.maxWidth = 1 + (widthByte & 0x0F) * ((n % 3) + 1);
  }
  // The import refuses to run without a selected field.
  if (CountSelectedFields(setup) == 0) setup.table[1].selected = 1;
  CountSelectedFields(setup);
  return setup;
}

// Removes the files of the previous run (everything in the scratch folder).
inline void ClearScratch() {
  std::filesystem::remove_all(ScratchFolder());
  std::filesystem::create_directories(ScratchFolder());
}

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Nothing half-written: no temporary file of OutputFile remains.
inline void CheckNoPartFiles() {
  for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder()))
    Check(entry.path().filename().string().find(".tk-part") == std::string::npos,
          "a temporary file was left behind");
}

// The lines of text, each checked to end in CR LF with no other line end in it.
inline std::vector<std::string_view> CrLfLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t end; !text.empty(); text.remove_prefix(end + 2)) {
    end = text.find("\r\n");
    Check(end != std::string_view::npos, "line without CR LF");
    lines.push_back(text.substr(0, end));
    Check(lines.back().find_first_of("\r\n") == std::string_view::npos, "line end inside a line");
  }
  return lines;
}

// Shows nothing; counts messages, which the readers must never show.
struct NullUi : SilentProgressUi {
  void showMessage(MessageKind, const std::string&) override { ++messages; }
  void showErrorReport(const std::vector<std::string>&) override {}

  int messages = 0;
};

// The number of lines of the CSV written for jconv5, each checked to be a
// comma-separated list of items in double quotes, with quotes inside doubled,
// or no item at all when the record holds no value of a selected field. A
// comma may end a line: the comma rule counts the selected fields, not the
// values. No item ends inside a character of the handheld's set.
inline std::size_t QuotedCsvLineCount(std::string_view csv, PalmCharset palm) {
  const auto lines = CrLfLines(csv);
  for (const std::string_view line : lines) {
    for (std::size_t i = 0; i < line.size();) {
      Check(line[i] == '"', "CSV item without quotes");
      const std::size_t start = ++i;
      for (; i < line.size() && (line[i] != '"' || line.substr(i, 2) == "\"\"");)
        i += line[i] == '"' ? 2 : 1;
      const std::string_view item = line.substr(start, i - start);
      Check(PalmCutLength(palm, item, item.size()) == item.size(), "a character cut in two");
      Check(i++ < line.size(), "CSV item without its closing quote");
      if (i < line.size()) Check(line[i++] == ',', "CSV items not separated by commas");
    }
  }
  return lines.size();
}

template <typename Reader>
int RunImportReader(Mode mode, const std::uint8_t* data, std::size_t size, Reader reader) {
  ClearScratch();
  Controls controls{data, size};
  const FieldSetup setup = SetUpFields(mode, controls);
  const PalmCharset palm = kPalmCharsets[controls.next() % std::size(kPalmCharsets)];
  ImportRun run{.inputPath = WriteInput("input.txt", data, size),
                .csvPath = ScratchFolder() + "/output.csv",
                .palm = palm};
  // As the import does by default, so UTF-8 exports take the transcoding way.
  run.inputText =
      DetectFileCharset(run.inputPath) == Charset::Utf8 ? InputText::Utf8 : InputText::Windows1252;
  NullUi ui;
  const ReadResult result = reader(setup, run, ui);

  CheckNoPartFiles();
  Check(result.status == ReadStatus::Read && result.failedFile.empty(), "a readable file failed");
  Check(ui.messages == 0, "a reader showed a message");
  Check(result.truncated >= 0 && result.truncated <= result.records && result.replaced >= 0 &&
            result.replaced <= result.records,
        "more cut records, or records with replaced characters, than records");
  Check(QuotedCsvLineCount(ReadAll(run.csvPath), palm) ==
            static_cast<std::size_t>(result.records) + 1,
        "CSV lines differ from the header and the records counted");
  return 0;
}

}  // namespace tk::fuzz
