#include "export/TaggedWriter.h"

#include "export/CsvLine.h"
#include "fields/EndNoteTags.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldTable.h"
#include "fields/ProgramModes.h"
#include "fields/RisTags.h"
#include "platform/Files.h"
#include "platform/MessagePump.h"
#include "platform/Text.h"

#include <algorithm>
#include <vector>

namespace tk {
namespace {

using LineRead = CsvLineReader::Result;

// Line breaks inside a value would split the record; tabs would shift columns.
std::string CleanValue(std::string value, char lineBreak) {
  for (char& c : value) {
    if (c == '\n' || c == '\r')
      c = lineBreak;
    else if (c == '\t')
      c = ' ';
  }
  return value;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool HoldsText(std::string_view value) { return !std::all_of(value.begin(), value.end(), IsBlank); }

constexpr std::string_view kRisNoTypeLine = "TY  - GEN";

// "*GENERIC", then the EndNote long names of the fields.
void WriteGenericHeader(const TaggedFormat& format, OutputFile& out) {
  out.writeLine("*GENERIC");
  for (int f = 1; f <= format.fieldCount; ++f) {
    out.write(FieldLongName(Mode::EndNote, f));
    if (f < format.fieldCount) out.put('\t');
  }
  out.endLine();
}

// One run's tables: which field each header column feeds, and each field's
// value in the record being written. A value of a single blank means the
// field has no column and is written empty.
class RecordWriter {
public:
  RecordWriter(const TaggedFormat& format, const std::vector<std::string>& header)
      : format_(format), lineBreak_(MarksOf(format.palm).lineBreak), columnField_(header.size()) {
    const int fields = ExportFieldCount(format);
    values_.assign(static_cast<std::size_t>(fields) + 1, " ");
    for (std::size_t i = 0; i < header.size(); ++i) columnField_[i] = fieldOfColumn(header[i]);
  }

  // How many header columns feed a field of the format's mode.
  int matched() const {
    return static_cast<int>(
        std::count_if(columnField_.begin(), columnField_.end(), [](int f) { return f != 0; }));
  }

  void write(const std::vector<std::string>& items, OutputFile& out) {
    // A data line shorter than the header leaves its missing items empty;
    // of two columns feeding one field, the later wins.
    for (std::size_t i = 0; i < columnField_.size(); ++i) {
      values_[static_cast<std::size_t>(columnField_[i])] =
          i < items.size() ? items[i] : std::string();
    }
    if (format_.mode == Mode::RefMan)
      writeRis(out);
    else if (format_.mode == Mode::EndNote && format_.endNoteTagged)
      writePercent(out);
    else
      writeTabbed(out);
  }

private:
  // The values are in the handheld's set, as the Palm keeps them; they are
  // split at their marks first, as a mark's byte may be part of a character
  // in the file's set.
  std::string encoded(std::string_view value) const {
    if (format_.charset == Charset::Utf8) return Utf8OfPalm(format_.palm, value);
    if (format_.palm == PalmCharset::Windows1252) return std::string(value);
    return PalmOfUtf8(PalmCharset::Windows1252, Utf8OfPalm(format_.palm, value));
  }
  std::string clean(std::string value) const { return CleanValue(std::move(value), lineBreak_); }

  // One tag line per part, trimmed; empty parts are dropped.
  void writeParts(OutputFile& out, std::string_view tag, std::string_view value, char mark) const {
    while (!value.empty()) {
      const std::size_t end = std::min(value.find(mark), value.size());
      std::string_view part = value.substr(0, end);
      while (!part.empty() && IsBlank(part.front())) part.remove_prefix(1);
      while (!part.empty() && IsBlank(part.back())) part.remove_suffix(1);
      if (!part.empty()) {
        out.write(tag);
        out.writeLine(encoded(part));
      }
      value.remove_prefix(std::min(end + 1, value.size()));
    }
  }

  std::string_view matchName(int field) const {
    return format_.mode == Mode::ProCiteGeneric ? GenericFieldMap(field)
                                                : FieldLabel(format_.mode, field);
  }

  // The first field whose name the column's header item is, ignoring case;
  // 0 (a row never written) for none.
  int fieldOfColumn(std::string_view headerItem) const {
    const int fields = ExportFieldCount(format_);
    for (int f = 1; f <= fields; ++f) {
      if (EqualsIgnoreCase(headerItem, matchName(f))) return f;
    }
    return 0;
  }

  void writeTabbed(OutputFile& out) const {
    const std::size_t fields = values_.size() - 1;
    for (std::size_t f = 1; f <= fields; ++f) {
      if (values_[f] != " ") out.write(encoded(clean(values_[f])));
      if (f < fields) out.put('\t');
    }
    out.endLine();
  }

  void writeRis(OutputFile& out) const {
    // A record without its TY line is no record to a RIS reader.
    if (!HoldsText(values_[kRisRecordType])) out.writeLine(kRisNoTypeLine);
    for (int f = 1; f <= format_.fieldCount; ++f) {
      const std::string& value = values_[static_cast<std::size_t>(f)];
      if (value.empty() || value == " " || (f == kRisRecordType && !HoldsText(value))) continue;
      const std::string_view tag = RisTagOfField(f, value);
      if (tag.empty()) continue;
      // No RIS reader knows the handheld's type names; codes read from a
      // file went in unchanged and come back so.
      const std::string_view code = f == kRisRecordType ? RisCodeOfTypeName(value) : "";
      const std::string text = clean(code.empty() ? value : std::string(code));
      const RisJoin join = RisJoinOfField(f);
      if (join == RisJoin::Last) {
        out.write(tag);
        out.writeLine(encoded(text));
      } else {
        writeParts(out, tag, text, join == RisJoin::Lines ? lineBreak_ : ';');
      }
    }
    out.writeLine("ER  - ");
    out.endLine();
  }

  // A list goes out a tag line per part, as the reader joined it; the lines
  // of an abstract or notes as lines after their tag, as EndNote writes them.
  // A link that is a DOI goes out as %R.
  void writePercent(OutputFile& out) const {
    for (int f = 1; f <= format_.fieldCount; ++f) {
      const std::string& value = values_[static_cast<std::size_t>(f)];
      const char tag = EndNoteTagOfField(f);
      if (value.empty() || value == " " || tag == '\0') continue;
      const std::string text = clean(value);
      const std::string head = std::string("%") + percentTag(f, tag) + " ";
      switch (EndNoteJoinOfField(f)) {
        case RisJoin::Last:
          out.write(head);
          out.writeLine(encoded(text));
          break;
        case RisJoin::Lines:
          writeLines(out, head, text);
          break;
        case RisJoin::Semicolon:
        case RisJoin::List:
          if (f == kEndNoteUrlField) {
            writeLinks(out, text);
          } else {
            writeParts(out, head, text, ';');
          }
          break;
      }
    }
    out.endLine();
  }

  char percentTag(int field, char tag) const {
    if (field == kEndNoteTypeField) return '0';
    if (field == kEndNoteSecondaryTitleField)
      return EndNoteSecondaryTitleTag(values_[kEndNoteTypeField]);
    return tag;
  }

  // The first line after the tag, the others as lines of their own; an empty
  // one is left out, since a blank line ends the reference.
  void writeLines(OutputFile& out, std::string_view head, std::string_view value) const {
    out.write(head);
    for (bool first = true;; first = false) {
      const std::size_t end = std::min(value.find(lineBreak_), value.size());
      if (first || end > 0) out.writeLine(encoded(value.substr(0, end)));
      if (end == value.size()) return;
      value.remove_prefix(end + 1);
    }
  }

  void writeLinks(OutputFile& out, std::string_view links) const {
    while (!links.empty()) {
      const std::size_t end = std::min(links.find(';'), links.size());
      const std::string_view link = links.substr(0, end);
      const char tag = EndNoteTagOfLink(link);
      writeParts(out, std::string("%") + tag + " ", link, ';');
      links.remove_prefix(std::min(end + 1, links.size()));
    }
  }

  TaggedFormat format_;
  char lineBreak_;
  std::vector<int> columnField_;     // by header column
  std::vector<std::string> values_;  // by field; 0 takes unmatched columns
};

struct RecordsRead {
  CsvStop stop = CsvStop::AtEnd;
  std::int32_t records = 0;
};

CsvStop StopOf(LineRead read) {
  switch (read) {
    case LineRead::TooLong:
      return CsvStop::LineTooLong;
    case LineRead::ReadError:
      return CsvStop::ReadError;
    case LineRead::Line:
    case LineRead::End:
      break;
  }
  return CsvStop::AtEnd;
}

// A record for each data line until the input ends, a line can't be read or
// the record limit is reached.
RecordsRead WriteRecords(RecordWriter& writer, CsvLineReader& reader, OutputFile& out, Ui& ui,
                         MessagePump& pump) {
  RecordsRead read;
  std::string line;
  std::vector<std::string> items;
  while (read.records < kMaxExportRecords) {
    pump.pump();
    if (pump.stopped()) return {CsvStop::Stopped, read.records};
    const LineRead result = reader.next(line);
    if (result != LineRead::Line) return {StopOf(result), read.records};
    ParseDataLine(std::move(line), items);
    writer.write(items, out);
    ui.setRecordCounter(++read.records);
  }
  // A file of exactly the limit has been transferred whole.
  if (reader.moreData()) read.stop = CsvStop::AtRecordLimit;
  return read;
}

// The mode whose fields most columns are, when any are; a database made in
// one mode and exported in another matches none of the other's.
std::optional<Mode> ModeTheColumnsFit(const TaggedFormat& format,
                                      const std::vector<std::string>& header) {
  std::optional<Mode> best;
  int most = 0;
  for (const Mode mode : kAllModes) {
    if (mode == format.mode) continue;
    const TaggedFormat other{mode, InfoOf(mode).fieldCount, format.charset, false, format.palm};
    const int matched = RecordWriter(other, header).matched();
    if (matched > most) {
      most = matched;
      best = mode;
    }
  }
  return best;
}

}  // namespace

int ExportFieldCount(const TaggedFormat& format) {
  return format.mode == Mode::ProCiteGeneric ? kMaxFieldCount : format.fieldCount;
}

TaggedResult ConvertCsvToTagged(const TaggedFormat& format, const std::string& csvPath,
                                const std::string& taggedPath, Ui& ui) {
  InputFile in;
  if (!in.open(csvPath)) return {TaggedOutcome::CsvNotOpened, CsvStop::AtEnd, 0, csvPath, {}, {}};
  OutputFile out;
  if (!out.open(taggedPath)) {
    return {TaggedOutcome::OutputNotOpened, CsvStop::AtEnd, 0, taggedPath, out.failure(), {}};
  }
  if (format.charset == Charset::Utf8) out.write(kUtf8ByteOrderMark);
  if (format.mode == Mode::EndNote && !format.endNoteTagged) WriteGenericHeader(format, out);

  MessagePump pump(ui);
  pump.pumpNow();
  CsvLineReader reader(in, kMaxCsvLineLength);
  std::string headerLine;
  const LineRead headerRead = reader.next(headerLine);
  if (headerRead != LineRead::Line) {
    return {TaggedOutcome::Abandoned, StopOf(headerRead), 0, csvPath, {}, {}};
  }
  std::vector<std::string> header;
  ParseCommaText(headerLine, header);
  RecordWriter writer(format, header);
  if (writer.matched() == 0) {
    TaggedResult wrong{TaggedOutcome::WrongMode, CsvStop::AtEnd, 0, csvPath, {}, {}};
    wrong.fits = ModeTheColumnsFit(format, header);
    return wrong;
  }
  RecordsRead read = WriteRecords(writer, reader, out, ui, pump);
  // Asked at the end too, so a stop during a short file is not missed.
  pump.pumpNow();
  if (pump.stopped()) read.stop = CsvStop::Stopped;
  if (read.stop != CsvStop::AtEnd) return {TaggedOutcome::Abandoned, read.stop, 0, csvPath, {}, {}};
  if (!out.commit()) return {TaggedOutcome::NotSaved, read.stop, 0, taggedPath, {}, {}};
  return {TaggedOutcome::Written, read.stop, read.records, {}, {}, {}};
}

}  // namespace tk
