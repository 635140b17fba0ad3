// A 10,000-record database must convert in either direction well under a
// second. Files are written and read as the program does, through a temporary
// folder.
#include "jconv5/pdb/CommandLine.h"
#include "jconv5/pdb/FileIo.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 10000;
constexpr int kColumns = 31;

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// An EndNote-sized export: 31 columns, values of typical bibliographic length.
std::string CsvText() {
  std::string csv;
  for (int c = 1; c <= kColumns; ++c)
    csv += (c > 1 ? "," : "") + Quoted("Field " + std::to_string(c));
  csv += "\r\n";
  for (int r = 0; r < kRecords; ++r) {
    for (int c = 1; c <= kColumns; ++c) {
      std::string value =
          c % 3 == 0 ? " "
                     : "Value " + std::to_string(r) + " of \"\"field\"\", " + std::to_string(c);
      if (c == 5)
        value +=
            "\x85"
            "second line of a note that runs on for a while";
      csv += (c > 1 ? "," : "") + Quoted(value);
    }
    csv += "\r\n";
  }
  return csv;
}

std::string IfoText() {
  std::string ifo = "JFile5\r\n";
  for (int c = 0; c < kColumns; ++c) ifo += c == 0 ? "64 " : "1 ";
  ifo += "\r\n";
  for (int c = 0; c < kColumns; ++c) ifo += "80 ";
  ifo += "\r\n110\r\n1\r\n0\r\n";
  for (int line = 0; line < 2; ++line) {
    for (int c = 0; c < kColumns; ++c) ifo += "0 ";
    ifo += "\r\n";
  }
  return ifo + "456E644A46696C654461746100\r\npopupa\r\nBook\r\nJournal Article";
}

struct Files {
  Files() : folder(fs::temp_directory_path() / "jconv5-bench") {
    fs::create_directories(folder);
    jconv5::WriteWholeFile(path("in.csv"), CsvText());
    jconv5::WriteWholeFile(path("in.ifo"), IfoText());
  }
  ~Files() { fs::remove_all(folder); }
  std::string path(const char* name) const { return (folder / name).string(); }
  fs::path folder;
};

void Run(benchmark::State& state, const std::vector<std::string>& args) {
  std::ostringstream messages;
  for (auto _ : state) {
    if (jconv5::RunJconv5(args, messages) != 0) state.SkipWithError(messages.str().c_str());
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_CsvToPdb10000(benchmark::State& state) {
  Files files;
  Run(state,
      {"1", files.path("in.csv"), files.path("out.pdb"), "\"EN-Bench\"", files.path("in.ifo")});
}
BENCHMARK(BM_CsvToPdb10000)->Unit(benchmark::kMillisecond);

void BM_PdbToCsv10000(benchmark::State& state) {
  Files files;
  std::ostringstream messages;
  jconv5::RunJconv5({"1", files.path("in.csv"), files.path("in.pdb"), "n", files.path("in.ifo")},
                    messages);
  Run(state, {"2", files.path("in.pdb"), files.path("out.csv"), " ", files.path("in.ifo")});
}
BENCHMARK(BM_PdbToCsv10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
