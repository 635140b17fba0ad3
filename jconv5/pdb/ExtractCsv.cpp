#include "jconv5/pdb/Convert.h"

#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/JFileAppInfo.h"
#include "jconv5/pdb/JFileRecord.h"
#include "jconv5/pdb/PdbContainer.h"

namespace jconv5 {

namespace {

constexpr std::uint16_t kEncrypted = 0x0002;

bool IsJFile(const PdbHeader& h) {
  return (h.type == "JfD5" && h.creator == "JFi5") || (h.type == "JfDb" && h.creator == "JFil");
}

// Type and creator codes may hold any bytes; show the printable ones.
std::string Code(const std::string& code) {
  std::string out;
  for (char c : code) out.push_back(c >= 0x20 && c < 0x7F ? c : '?');
  return "'" + out + "'";
}

void CheckKind(const PdbHeader& h) {
  if (!IsJFile(h))
    throw Failure("this is not a JFile database: its type is " + Code(h.type) +
                  " and its creator " + Code(h.creator) +
                  " (JFile 5 uses 'JfD5' and 'JFi5', JFile 4 'JfDb' and 'JFil')");
  if (h.version & kEncrypted)
    throw Failure("the database \"" + h.name +
                  "\" is encrypted; turn its encryption off in JFile on the handheld, "
                  "HotSync, and convert the backup again");
}

}  // namespace

std::string ExtractCsv(std::string_view pdb, char lineBreak) {
  try {
    CheckKind(ReadPdbHeader(pdb));
    PdbDatabase database = ReadPdb(pdb);
    if (database.appInfo.empty())
      throw Failure(
          "the database is damaged: it has no application info block, where JFile keeps its "
          "fields");
    JFileAppInfo info = ReadAppInfo(database.appInfo);

    std::vector<std::string> names;
    for (const JFileField& field : info.fields) names.push_back(field.name);
    std::string out;
    out.reserve(pdb.size() + pdb.size() / 4);
    WriteCsvLine(names, out, lineBreak);
    for (std::size_t i = 0; i < database.records.size(); ++i) {
      const PdbRecord& record = database.records[i];
      if (record.attributes & kRecordDeleted) continue;
      try {
        WriteCsvLine(ReadRecord(record.data, info.fields.size()), out, lineBreak);
      } catch (Failure& failure) {
        failure.addPlace("record " + std::to_string(i + 1) + " of " +
                         std::to_string(database.records.size()) + ": ");
        throw;
      }
    }
    return out;
  } catch (Failure& failure) {
    failure.addPlace("PDB file: ");
    throw;
  }
}

}  // namespace jconv5
