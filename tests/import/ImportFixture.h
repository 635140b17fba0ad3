#pragma once
// Field setups, reader runs in a fresh folder and driver runs in a program
// folder with a stand-in converter.
#include "fields/FieldSetup.h"
#include "fields/PalmFolders.h"
#include "import/ExportInput.h"
#include "import/GenericPrePass.h"
#include "import/ImportDriver.h"
#include "import/OutputNaming.h"
#include "import/RisReader.h"
#include "import/TabExportReader.h"
#include "mock/Expect.h"
#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"
#include "platform/Files.h"
#include "platform/InstallRequestStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace tk::test {

using Lines = std::vector<std::string>;
inline const std::string kEndNoteEnd = "\xB0";

template <class... N>
std::vector<int> On(N... fields) {
  return {fields...};
}
inline std::vector<int> UpTo(int last) {
  std::vector<int> fields;
  for (int n = 1; n <= last; ++n) fields.push_back(n);
  return fields;
}

// The mode's fields as strings cut to maxWidth, the given ones selected.
inline FieldSetup Fields(Mode mode, const std::vector<int>& selected, int maxWidth = 3990) {
  FieldSetup setup{.mode = mode, .fieldCount = InfoOf(mode).fieldCount, .strategyPath = {}};
  for (int n = 1; n <= setup.fieldCount; ++n) setup.table[n] = {kTypeString, 80, maxWidth, 0, 0};
  for (int n : selected) setup.table[n].selected = 1;
  return setup;
}

using Reader = ReadResult (*)(const FieldSetup&, ImportRun&, Ui&);

// A run of the mode's reader, or the one given, on the export; the generic
// mode's reader is its pre-pass, whose output has no header line.
struct ReaderRun {
  ReaderRun(Mode readerMode, const std::string& input, Reader given = nullptr)
      : mode(readerMode), reader(given) {
    run.inputPath = folder.file("export.txt");
    run.csvPath = folder.file("export.csv");
    WriteBytes(run.inputPath, input);
  }
  ReadResult read(const std::vector<int>& selected, int maxWidth = 3990) {
    const FieldSetup setup = Fields(mode, selected, maxWidth);
    if (reader) return reader(setup, run, ui);
    if (mode == Mode::ProCiteGeneric) return PrepareGenericExport(run, ui);
    if (mode == Mode::RefMan) return ReadRefManExport(setup, run, ui);
    return mode == Mode::ProCite ? ReadProCiteExport(setup, run, ui)
                                 : ReadEndNoteExport(setup, run, ui);
  }
  std::string output() const {
    return mode == Mode::ProCiteGeneric ? GenericIntermediatePath(run) : run.csvPath;
  }
  // What was written without its header line.
  std::string records() const {
    const std::string all = ReadBytes(output());
    if (mode == Mode::ProCiteGeneric) return all;
    const auto end = all.find("\r\n");
    return end == std::string::npos ? std::string() : all.substr(end + 2);
  }
  Mode mode;
  Reader reader;
  TempFolder folder;
  ImportRun run;
  FakeUi ui;
};

// What a reader's run gave and showed, by name, so a failure says which.
struct ReadOutcome {
  ReadStatus status;
  int records, truncated;
  std::string written;    // without the header line
  long counter, updates;  // the record counter's last value and its moves
  bool operator==(const ReadOutcome&) const = default;
  friend void PrintTo(const ReadOutcome& o, std::ostream* out) {
    *out << "{status " << static_cast<int>(o.status) << ", " << o.records << " records, "
         << o.truncated << " truncated, counter " << o.counter << " moved " << o.updates
         << " times, written:\n"
         << ::testing::PrintToString(o.written) << "}";
  }
};

// An export and the records its reader must write, one line each.
struct ReaderCase {
  const char* behaviour;
  std::vector<int> fields;
  std::string input, records;
  int truncated = 0, maxWidth = 3990;
  long updates = 0;  // the counter's moves, if not once a record
};

inline void ExpectReads(Mode mode, std::span<const ReaderCase> cases, Reader reader = nullptr) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.behaviour);
    ReaderRun r(mode, c.input, reader);
    const ReadResult result = r.read(c.fields, c.maxWidth);
    const int count = static_cast<int>(std::count(c.records.begin(), c.records.end(), '\n'));
    // ProCite moves the counter before it knows whether a line is a record.
    const long counter = r.ui.lastRecord + (mode == Mode::ProCite);
    EXPECT_EQ((ReadOutcome{result.status, result.records, result.truncated, r.records(), counter,
                           r.ui.recordUpdates}),
              (ReadOutcome{ReadStatus::Read, count, c.truncated, c.records, count,
                           c.updates ? c.updates : count}));
  }
}

// The import button with four string fields; the stand-in converter copies
// its input, so a "PDB" here holds the CSV.
struct DriverRun {
  explicit DriverRun(Mode mode)
      : program(kRecordingConverter),
        settings(program.settings()),
        setup(Fields(mode, {1, 2, 3, 4}, 20)) {
    settings.palmInstallFolder = program.file("Install");
    settings.importExportFolder = program.file("my.exports");  // a dot is no extension here
    settings.hotSyncUserId = "1234";
    EXPECT_TRUE(CreateFolders(settings.palmInstallFolder));
    EXPECT_TRUE(CreateFolders(settings.importExportFolder));
  }
  std::string input(const std::string& name, const std::string& bytes) const {
    WriteBytes(JoinPath(settings.importExportFolder, name), bytes);
    return JoinPath(settings.importExportFolder, name);
  }
  // Where the database made from the export `name` is installed.
  std::string pdb(const std::string& name) const {
    return JoinPath(settings.palmInstallFolder,
                    std::string(InfoOf(setup.mode).prefix) + name + ".PDB");
  }
  std::string importFiles(const Lines& chosen) {
    return ImportChosenFiles(settings, setup, log, ui, chosen,
                             [this](const FileOutcome& done) { outcomes.push_back(done); });
  }
  bool installRequested() const {
    return InstallRequestStore(store).value(kHotSyncKeyPath, "Install1234") == 1u;
  }
  ProgramFolder program;
  Settings settings;
  FieldSetup setup;
  std::string store = program.file("install.ini");
  ScopedEnv storeLocation{"TOMEKIT_INSTALL_STORE", store};
  // A home without J-Pilot's folder, unless a test makes one.
  std::string home = program.file("home");
  ScopedEnv jpilotHome{"JPILOT_HOME", home};
  FakeUi ui;
  Lines log;
  std::vector<FileOutcome> outcomes;
};

}  // namespace tk::test
