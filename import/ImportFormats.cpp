#include "import/ImportFormats.h"

#include "import/GenericPrePass.h"
#include "import/OutputNaming.h"
#include "import/RisReader.h"
#include "import/TabExportReader.h"
#include "import/TaggedReader.h"
#include "platform/Files.h"

#include <algorithm>

namespace tk {
namespace {

// The ProCite reader on the reduced file, once the pre-pass wrote it whole.
// A failed pre-pass ends the file with no records.
ReadResult ReadGenericExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  const std::string reduced = GenericIntermediatePath(run);
  // What an earlier run reduced must never pass for this export.
  RemoveFile(reduced);
  ReadResult prepared = PrepareGenericExport(run, ui);
  if (prepared.status != ReadStatus::Read || !prepared.failedFile.empty()) {
    prepared.records = 0;
    return prepared;
  }
  run.written.push_back(reduced);
  run.inputPath = reduced;
  if (run.transcodes()) run.inputText = InputText::Transcoded;
  return ReadProCiteExport(setup, run, ui);
}

using R = Refusal;
using L = ExportLook;

// Each mode's reader of its own export, for any text no other row takes.
constexpr FormatInMode kEndNoteTab{ReadEndNoteExport};
constexpr FormatInMode kRefMan{ReadRefManExport, R::NoRisRecord};
constexpr FormatInMode kProCite{ReadProCiteExport};
constexpr FormatInMode kGeneric{ReadGenericExport};
constexpr FormatInMode kNone{};

// By mode: EndNote, Reference Manager, ProCite, ProCite (generic).
constexpr ImportFormat kFormats[] = {
    {L::NotText, LooksBinary, {kNone, kNone, kNone, kNone}, R::NotText, {}},
    {L::Empty, HoldsOnlyBlanks, {kNone, kNone, kNone, kNone}, R::Empty, {}},
    {L::Ris,
     OpensWithRisRecord,
     {FormatInMode{ReadRisIntoEndNote}, FormatInMode{ReadRefManExport, R::NoRisRecord, true}, kNone,
      kNone},
     R::RisExport,
     "RIS files (*.ris)|*.ris"},
    {L::EndNoteTagged,
     OpensWithPercentTag,
     {FormatInMode{ReadEndNoteTaggedExport}, kNone, kNone, kNone},
     R::EndNoteTagged,
     {}},
    // Reference Manager mode reads it as RIS, to say there is no RIS record.
    {L::TabHeader, OpensWithHeaderRow, {kNone, kRefMan, kNone, kNone}, R::HeaderRow, {}},
    // RIS after a preamble ("Provider: …"), which the first line didn't tell.
    {L::Ris,
     HoldsRisRecord,
     {FormatInMode{ReadRisIntoEndNote}, FormatInMode{ReadRefManExport, R::NoRisRecord}, kNone,
      kNone},
     R::RisExport,
     {}},
    {L::EndNoteTab,
     HoldsRecordEnd,
     {FormatInMode{ReadEndNoteExport}, FormatInMode{ReadRefManExport, R::EndNoteTab}, kProCite,
      kGeneric},
     R::None,
     {}},
    {L::Text,
     AnyText,
     {FormatInMode{ReadEndNoteExport, R::NoRecordEnds}, kRefMan, kProCite, kGeneric},
     R::None,
     {}},
};

}  // namespace

std::span<const ImportFormat> ImportFormats() { return kFormats; }

const ImportFormat& RecogniseExport(std::string_view head, InputText text) {
  const ExportHead look = HeadOfExport(head, text);
  for (const ImportFormat& format : kFormats) {
    if (format.recognised(look)) return format;
  }
  return kFormats[std::size(kFormats) - 1];
}

const ImportFormat& FormatOfExport(const std::string& path, InputText text) {
  InputFile in;
  if (!in.open(path)) return kFormats[std::size(kFormats) - 1];
  std::string head;
  for (auto chunk = in.buffered(); !chunk.empty() && head.size() < kLookLength;
       chunk = in.buffered()) {
    const std::size_t take = std::min(chunk.size(), kLookLength - head.size());
    head.append(chunk.substr(0, take));
    in.consume(take);
  }
  return RecogniseExport(head, text);
}

std::string OfferedImportFilters(Mode mode) {
  std::string filters;
  for (const ImportFormat& format : kFormats) {
    if (format.in(mode).offered) filters += "|" + std::string(format.dialogFilter);
  }
  return filters;
}

}  // namespace tk
