// Import readers against a plain buffered copy of the same file.
//
// Writes EndNote (tab and `%`), ProCite and RIS exports of about 200 MB each into a
// temporary folder, then for each: copies it (fread/fwrite in 64 KB blocks),
// runs its reader with the default field choice of its mode, and prints MB/s,
// the reader's time as a multiple of the copy's, and the peak resident memory
// of a child process that ran only the reader. The UTF-8 cases read the same
// records saved as UTF-8, detection included, and give their time as a
// multiple of the Windows-1252 read of the same records, timed in the same
// rounds.
//
//   bench_import [megabytes [reader name part]]      (default 200, all)
#include "fields/FieldSetup.h"
#include "import/GenericPrePass.h"
#include "import/RisReader.h"
#include "import/TabExportReader.h"
#include "import/TaggedReader.h"
#include "platform/Charset.h"
#include "platform/Files.h"
#include "platform/Ui.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace {

using namespace tk;

class QuietUi : public Ui {
public:
  void showMessage(MessageKind, const std::string& text) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
  }
  void showProgress(const ProgressSetup&) override {}
  void hideProgress() override {}
  void setBanner(Banner) override {}
  void progressStep(int) override {}
  void setRecordCounter(long record) override { last = record; }
  void processMessages() override { ++pumps; }
  void showErrorReport(const std::vector<std::string>&) override {}
  long last = 0;
  long pumps = 0;
};

// Default field choice of a mode: EndNote 1-15, the others all, width 3990.
FieldSetup DefaultFields(Mode mode) {
  FieldSetup setup;
  setup.mode = mode;
  setup.fieldCount = InfoOf(mode).fieldCount;
  for (int n = 1; n <= setup.fieldCount; ++n) {
    FldDef& field = setup.table[static_cast<std::size_t>(n)];
    field.selected = mode != Mode::EndNote || n <= 15;
    field.maxWidth = 3990;
    field.fldType = n == 1 ? kTypePopup : kTypeString;
  }
  return setup;
}

// Deterministic text of varied length, with the odd quote.
class Words {
public:
  std::string text(std::size_t minLength, std::size_t spread) {
    std::string s;
    std::size_t length = minLength + next() % (spread + 1);
    while (s.size() < length) {
      static const char* kWords[] = {"cell", "protein",    "Smith, J.", "analysis", "of",
                                     "the",  "\"quoted\"", "journal",   "1999",     "membrane",
                                     "und",  "caf\xE9",    "transport"};
      if (!s.empty()) s += ' ';
      s += kWords[next() % 13];
    }
    return s;
  }

private:
  std::uint32_t next() { return state_ = state_ * 1664525u + 1013904223u, state_ >> 8; }
  std::uint32_t state_ = 12345;
};

// Appends records to the file until it holds at least bytes.
void Generate(const std::string& path, std::size_t bytes,
              const std::function<void(std::string&, Words&)>& record) {
  OutputFile out;
  if (!out.open(path)) std::exit(1);
  Words words;
  std::string text;
  for (std::size_t written = 0; written < bytes; written += text.size()) {
    text.clear();
    record(text, words);
    out.write(text);
  }
  if (!out.commit()) std::exit(1);
}

void GenerateEndNote(const std::string& path, std::size_t bytes) {
  Generate(path, bytes, [](std::string& out, Words& w) {
    for (int n = 1; n <= 31; ++n) {
      if (n > 1) out += '\t';
      if (n == 14) {
        out += w.text(300, 900) + "\r\n" + w.text(50, 200);
      } else if (n <= 15 || n % 3 == 0) {
        out += w.text(4, 60);
      }
    }
    out += "\xB0\r\n";
  });
}

void GenerateProCite(const std::string& path, std::size_t bytes) {
  Generate(path, bytes, [](std::string& out, Words& w) {
    for (int n = 1; n <= 47; ++n) {
      if (n > 1) out += '\t';
      if (n == 45) {
        out += w.text(300, 900) + "\n" + w.text(50, 200);
      } else if (n % 2 == 1 || n < 14) {
        out += w.text(4, 50);
      }
    }
    out += "\r\n";
  });
}

void GenerateRis(const std::string& path, std::size_t bytes) {
  Generate(path, bytes, [](std::string& out, Words& w) {
    static const char* kTags[] = {"ID  - ", "T1  - ", "A1  - ", "A1  - ", "A1  - ",
                                  "Y1  - ", "N2  - ", "KW  - ", "KW  - ", "JF  - ",
                                  "JA  - ", "VL  - ", "IS  - ", "SP  - ", "EP  - ",
                                  "CY  - ", "PB  - ", "SN  - ", "UR  - ", "DO  - "};
    out += "TY  - JOUR\r\n";
    for (const char* tag : kTags) {
      bool notes = tag[0] == 'N';
      out += tag + w.text(notes ? 400 : 4, notes ? 900 : 50) + "\r\n";
    }
    out += "ER  - \r\n\r\n";
  });
}

// EndNote's own `%` export: a blank line after each reference, an abstract
// over two lines.
void GenerateEndNoteTagged(const std::string& path, std::size_t bytes) {
  Generate(path, bytes, [](std::string& out, Words& w) {
    static const char* kTags[] = {"%A ", "%A ", "%A ", "%D ", "%T ", "%J ", "%V ", "%N ",
                                  "%P ", "%K ", "%K ", "%@ ", "%U ", "%R ", "%X "};
    out += "%0 Journal Article\r\n";
    for (const char* tag : kTags) {
      const bool abstract = tag[1] == 'X';
      out += tag + w.text(abstract ? 300 : 4, abstract ? 900 : 50) + "\r\n";
      if (abstract) out += w.text(50, 200) + "\r\n";
    }
    out += "\r\n";
  });
}

// A letter of the handheld's script for each Latin-1 letter (0xC0..0xFF):
// the same records as a reference manager of that country saves them.
std::string InScriptOf(PalmCharset palm, std::string_view windows1252) {
  const char32_t firstLetter = palm == PalmCharset::Gbk ? 0x4E00 : 0x0410;  // CJK, Cyrillic
  std::string text;
  for (const char c : windows1252) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0xC0) {
      AppendUtf8(firstLetter + (byte - 0xC0), text);
    } else {
      AppendUtf8OfWindows1252(std::string_view(&c, 1), text);
    }
  }
  return text;
}

// The same records in UTF-8, as today's reference managers save them.
void SaveAsUtf8(const std::string& path, PalmCharset palm) {
  InputFile in;
  OutputFile out;
  if (!in.open(path) || !out.open(path + ".utf8")) std::exit(1);
  std::string utf8;
  for (auto chunk = in.buffered(); !chunk.empty(); chunk = in.buffered()) {
    utf8.clear();
    if (palm == PalmCharset::Windows1252) {
      AppendUtf8OfWindows1252(chunk, utf8);
    } else {
      utf8 = InScriptOf(palm, chunk);
    }
    out.write(utf8);
    in.consume(chunk.size());
  }
  in.close();
  if (!out.commit()) std::exit(1);
  std::filesystem::rename(path + ".utf8", path);
}

double Seconds(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BlockCopy(const std::string& from, const std::string& to) {
  std::FILE* in = std::fopen(from.c_str(), "rb");
  std::FILE* out = std::fopen(to.c_str(), "wb");
  static char buffer[1 << 16];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
    std::fwrite(buffer, 1, n, out);
  std::fclose(in);
  std::fclose(out);
}

// Runs work in a child process; returns its peak resident memory in KB.
long PeakKbInChild(const std::function<void()>& work) {
  std::fflush(nullptr);
  pid_t pid = fork();
  if (pid == 0) {
    work();
    std::fflush(nullptr);
    _exit(0);
  }
  int status = 0;
  struct rusage usage {};
  wait4(pid, &status, 0, &usage);
  return usage.ru_maxrss;
}

struct Case {
  const char* name;
  Mode mode;
  std::function<void(const std::string&, std::size_t)> generate;
  std::function<ReadResult(const FieldSetup&, ImportRun&, Ui&)> reader;
  bool utf8 = false;
  PalmCharset palm = PalmCharset::Windows1252;  // of the handheld
};

// A reader that first looks at the file, as the import does under auto.
auto Detecting(std::function<ReadResult(const FieldSetup&, ImportRun&, Ui&)> reader) {
  return [reader](const FieldSetup& setup, ImportRun& run, Ui& ui) {
    run.inputText = DetectFileCharset(run.inputPath) == Charset::Utf8 ? InputText::Utf8
                                                                      : InputText::Windows1252;
    return reader(setup, run, ui);
  };
}

}  // namespace

int main(int argc, char** argv) {
  double megabytes = argc > 1 ? std::atof(argv[1]) : 200;
  auto folder =
      std::filesystem::temp_directory_path() / ("tomekit-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);

  const Case cases[] = {
      {"EndNote", Mode::EndNote, GenerateEndNote, ReadEndNoteExport},
      {"ProCite", Mode::ProCite, GenerateProCite, ReadProCiteExport},
      {"ProCite generic pre-pass", Mode::ProCiteGeneric, GenerateProCite,
       [](const FieldSetup&, ImportRun& run, Ui& ui) { return PrepareGenericExport(run, ui); }},
      {"RIS", Mode::RefMan, GenerateRis, ReadRefManExport},
      {"RIS in EndNote mode", Mode::EndNote, GenerateRis, ReadRisIntoEndNote},
      {"EndNote Export (%)", Mode::EndNote, GenerateEndNoteTagged, ReadEndNoteTaggedExport},
      {"EndNote UTF-8", Mode::EndNote, GenerateEndNote, ReadEndNoteExport, true},
      {"RIS UTF-8", Mode::RefMan, GenerateRis, ReadRefManExport, true},
      {"RIS UTF-8 into gbk", Mode::RefMan, GenerateRis, ReadRefManExport, true, PalmCharset::Gbk},
      {"EndNote UTF-8 into 1251", Mode::EndNote, GenerateEndNote, ReadEndNoteExport, true,
       PalmCharset::Windows1251},
  };
  std::printf("%-26s %9s %9s %9s %9s %9s %7s %10s\n", "reader", "MB", "copy MB/s", "byte copy",
              "read MB/s", "records", "ratio", "peak KB");
  const char* only = argc > 2 ? argv[2] : "";
  for (const Case& c : cases) {
    if (std::string(c.name).find(only) == std::string::npos) continue;
    std::string input = (folder / (std::string(c.name) + ".txt")).string();
    c.generate(input, static_cast<std::size_t>(megabytes * 1e6));
    // The same records as they were, read in the same rounds, so that the
    // machine's ups and downs hit both reads alike.
    const std::string windows1252 = input + ".1252";
    if (c.utf8) {
      std::filesystem::copy_file(input, windows1252);
      SaveAsUtf8(input, c.palm);
    }
    const auto reader = c.utf8 ? Detecting(c.reader) : c.reader;
    double size = static_cast<double>(std::filesystem::file_size(input)) / 1e6;

    const FieldSetup setup = DefaultFields(c.mode);
    ImportRun run;
    run.inputPath = input;
    run.csvPath = (folder / "out.csv").string();
    run.palm = c.palm;
    QuietUi ui;

    double copy = 1e9, read = 1e9, byteCopy = 1e9, windows1252Read = 1e9;
    int count = 0;
    for (int round = 0; round < 3; ++round) {
      copy = std::min(copy, Seconds([&] { BlockCopy(input, (folder / "copy.bin").string()); }));
      byteCopy = std::min(
          byteCopy, Seconds([&] { (void)CopyFileBytes(input, (folder / "copy.bin").string()); }));
      read = std::min(read, Seconds([&] { count = reader(setup, run, ui).records; }));
      if (!c.utf8) continue;
      ImportRun plain = run;
      plain.inputPath = windows1252;
      plain.palm = PalmCharset::Windows1252;
      windows1252Read =
          std::min(windows1252Read, Seconds([&] { (void)c.reader(setup, plain, ui); }));
    }
    long peak = PeakKbInChild([&] { (void)reader(setup, run, ui); });
    std::printf("%-26s %9.1f %9.0f %9.0f %9.0f %9d %6.2fx %10ld", c.name, size, size / copy,
                size / byteCopy, size / read, count, read / copy, peak);
    if (c.utf8) std::printf("  %.2fx the Windows-1252 read", read / windows1252Read);
    std::printf("\n");
    std::filesystem::remove(input);
    std::filesystem::remove(windows1252);
  }
  std::filesystem::remove_all(folder);
  struct rusage self {};
  getrusage(RUSAGE_SELF, &self);
  std::printf(
      "targets: ratio at most 4x the block copy, peak under 32768 KB, UTF-8 (into any handheld "
      "set) at most 1.5x the Windows-1252 read; whole benchmark peak %ld KB\n",
      self.ru_maxrss);
  return 0;
}
