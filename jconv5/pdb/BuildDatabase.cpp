#include "jconv5/pdb/Convert.h"

#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/Ifo.h"
#include "jconv5/pdb/JFileAppInfo.h"
#include "jconv5/pdb/JFileRecord.h"
#include "jconv5/pdb/Limits.h"
#include "jconv5/pdb/Messages.h"
#include "jconv5/pdb/PdbContainer.h"

namespace jconv5 {

namespace {

constexpr std::uint16_t kJFile5Flags = 0x0801;  // "JFile 5 format", no security

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

void CheckColumns(const CsvTable& csv, const IfoDescription& ifo) {
  const std::size_t columns = csv.header.size();
  if (columns == 0) throw Failure("CSV line 1: the header names no columns");
  if (columns > static_cast<std::size_t>(kMaxFields)) throw Failure(TooManyColumnsText(columns));
  if (ifo.types.size() != columns)
    throw Failure("CSV line 1: the header names " + std::to_string(columns) +
                  " columns but the IFO file describes " + std::to_string(ifo.types.size()));
  for (std::size_t i = 0; i < columns; ++i)
    if (csv.header[i].find('\0') != std::string::npos)
      throw Failure("CSV line 1, column " + std::to_string(i + 1) +
                    ": the field name holds a zero byte");
  if (csv.records.size() > kMaxRecords) throw Failure(TooManyRecordsText(csv.records.size()));
}

std::string RecordPlace(const CsvLine& line, std::size_t record) {
  return "CSV line " + std::to_string(line.lineNumber) + " (record " + std::to_string(record) + ")";
}

// One record's data, the line padded with empty values to the header's width.
void AppendRecord(CsvLine& line, std::size_t record, const std::vector<std::string>& header,
                  std::string& data) {
  if (line.values.size() > header.size())
    throw Failure(RecordPlace(line, record) + ": " + std::to_string(line.values.size()) +
                  " items, but the header names only " + std::to_string(header.size()) +
                  " columns");
  line.values.resize(header.size());
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string& value = line.values[i];
    std::string field = ", column " + std::to_string(i + 1) + " " + Quoted(header[i]);
    if (value.size() > kMaxValueBytes)
      throw Failure(ValueTooLongText(RecordPlace(line, record) + field, value.size()));
    if (value.find('\0') != std::string::npos)
      throw Failure(RecordPlace(line, record) + field +
                    ": the value holds a zero byte, which JFile can't store");
  }
  std::size_t size = RecordSize(line.values);
  if (size > kMaxRecordBytes) throw Failure(RecordTooLongText(RecordPlace(line, record), size));
  WriteRecord(line.values, data);
}

// JFile's limits: items cut to its item length, lists to 100 items and 2,500
// characters (each item counted with its terminating NUL).
PopupList LimitedPopup(const PopupList& list) {
  PopupList out{list.column, {}};
  std::size_t chars = 0;
  for (const std::string& word : list.items) {
    if (out.items.size() == kMaxPopupItems) break;
    std::string item = word.substr(0, kMaxPopupItemLength);
    std::size_t cost = std::max<std::size_t>(item.size(), 1) + 1;
    if (chars + cost > kMaxPopupListChars) break;
    chars += cost;
    out.items.push_back(std::move(item));
  }
  return out;
}

JFileAppInfo AppInfoFor(const CsvTable& csv, const IfoDescription& ifo) {
  JFileAppInfo info;
  info.fields.resize(csv.header.size());
  for (std::size_t i = 0; i < info.fields.size(); ++i) {
    JFileField& field = info.fields[i];
    field.name = csv.header[i].substr(0, kMaxFieldNameLength);
    field.type = ifo.types[i];
    field.columnWidth = ifo.columnWidths[i];
    field.extraData = ifo.extraData[i];
    field.extraData2 = ifo.extraData2[i];
  }
  info.recordViewWidth = ifo.recordViewWidth;
  info.firstColumn = ifo.firstColumn;
  info.oldFlags = ifo.oldFlags;
  for (const PopupList& list : ifo.popups) info.popups.push_back(LimitedPopup(list));
  info.trailer = ifo.trailer;
  return info;
}

std::string DatabaseName(std::string_view name) {
  if (name.empty()) throw Failure("the database name is empty");
  return std::string(name.substr(0, kMaxDatabaseNameLength));
}

}  // namespace

std::string BuildDatabase(std::string_view csvText, std::string_view ifoText, std::string_view name,
                          std::uint32_t palmTime, char lineBreak) {
  PdbDatabase database;
  database.header.name = DatabaseName(name);
  IfoDescription ifo = ReadIfo(ifoText);
  CsvTable csv = ReadCsv(csvText, lineBreak);
  CheckColumns(csv, ifo);

  database.appInfo = WriteAppInfo(AppInfoFor(csv, ifo));
  if (database.appInfo.size() > kMaxAppInfoBytes)
    throw Failure(AppInfoTooLongText(database.appInfo.size()));

  database.records.resize(csv.records.size());
  for (std::size_t i = 0; i < csv.records.size(); ++i) {
    PdbRecord& record = database.records[i];
    record.attributes = kRecordDirty;
    record.uniqueId = static_cast<std::uint32_t>(i + 1);
    AppendRecord(csv.records[i], i + 1, csv.header, record.data);
  }

  PdbHeader& h = database.header;
  h.version = kJFile5Flags;
  h.creationDate = palmTime;
  h.modificationDate = palmTime;
  h.type = "JfD5";
  h.creator = "JFi5";
  return WritePdb(database);
}

}  // namespace jconv5
