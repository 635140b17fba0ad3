#include "jconv5/pdb/PdbContainer.h"

#include "jconv5/pdb/ByteIo.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/Messages.h"

#include <algorithm>
#include <ctime>

namespace jconv5 {

namespace {

constexpr std::int64_t kPalmEpochOffset = 2082844800;  // 1904-01-01 to 1970-01-01
constexpr std::size_t kMaxRecordCount = 65535;
constexpr std::size_t kMaxRecordSize = 65535;

std::string Four(std::string_view code) {
  std::string out(code.substr(0, 4));
  out.resize(4, '\0');
  return out;
}

std::string ByteText(std::size_t n) { return std::to_string(n); }

// Where each record's data ends: at the next record's offset, the last one at
// the end of the file.
void CutRecords(std::string_view file, const std::vector<std::uint32_t>& offsets,
                PdbDatabase& database) {
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    std::size_t begin = offsets[i];
    std::size_t end = i + 1 < offsets.size() ? offsets[i + 1] : file.size();
    if (end < begin)
      throw Failure("the database is damaged: record " + ByteText(i + 2) + " starts at byte " +
                    ByteText(end) + ", before record " + ByteText(i + 1) + " at byte " +
                    ByteText(begin));
    database.records[i].data.assign(file.substr(begin, end - begin));
  }
}

}  // namespace

std::uint32_t PalmTimeFromUnix(std::int64_t unixSeconds) {
  return static_cast<std::uint32_t>(unixSeconds + kPalmEpochOffset);
}

std::uint32_t PalmTimeNow() {
  return PalmTimeFromUnix(static_cast<std::int64_t>(std::time(nullptr)));
}

std::string WritePdb(const PdbDatabase& database) {
  const std::size_t count = database.records.size();
  if (count > kMaxRecordCount) throw Failure(PalmTooManyRecordsText(count, kMaxRecordCount));
  const PdbHeader& h = database.header;
  std::uint32_t highestId = 0;
  std::size_t total = kPdbHeaderSize + kPdbRecordEntrySize * count + 2 + database.appInfo.size();
  for (const PdbRecord& record : database.records) {
    if (record.data.size() > kMaxRecordSize)
      throw Failure("a record of " + ByteText(record.data.size()) +
                    " bytes is more than a Palm record can hold");
    highestId = std::max(highestId, record.uniqueId & 0xFFFFFF);
    total += record.data.size();
  }
  const std::uint32_t appInfoOffset =
      static_cast<std::uint32_t>(kPdbHeaderSize + kPdbRecordEntrySize * count + 2);

  std::string out;
  out.reserve(total);
  PutPadded(out, h.name, 32);
  PutU16(out, h.attributes);
  PutU16(out, h.version);
  PutU32(out, h.creationDate);
  PutU32(out, h.modificationDate);
  PutU32(out, h.backupDate);
  PutU32(out, h.modificationNumber);
  PutU32(out, appInfoOffset);
  PutU32(out, 0);  // no sortInfo block
  out += Four(h.type);
  out += Four(h.creator);
  PutU32(out, highestId + 1);
  PutU32(out, 0);  // no further record list
  PutU16(out, static_cast<unsigned>(count));

  std::uint32_t offset = appInfoOffset + static_cast<std::uint32_t>(database.appInfo.size());
  for (const PdbRecord& record : database.records) {
    PutU32(out, offset);
    PutU8(out, record.attributes);
    PutU8(out, record.uniqueId >> 16);
    PutU16(out, record.uniqueId & 0xFFFF);
    offset += static_cast<std::uint32_t>(record.data.size());
  }
  PutU16(out, 0);
  out += database.appInfo;
  for (const PdbRecord& record : database.records) out += record.data;
  return out;
}

PdbHeader ReadPdbHeader(std::string_view file) {
  if (file.size() < kPdbHeaderSize)
    throw Failure("the file is too short for a Palm database: " + ByteText(file.size()) +
                  " bytes, a database header alone takes 78");
  PdbHeader h;
  h.name = GetPadded(file, 0, 32);
  h.attributes = GetU16(file, 32);
  h.version = GetU16(file, 34);
  h.creationDate = GetU32(file, 36);
  h.modificationDate = GetU32(file, 40);
  h.backupDate = GetU32(file, 44);
  h.modificationNumber = GetU32(file, 48);
  h.appInfoOffset = GetU32(file, 52);
  h.sortInfoOffset = GetU32(file, 56);
  h.type.assign(file.substr(60, 4));
  h.creator.assign(file.substr(64, 4));
  h.uniqueIdSeed = GetU32(file, 68);
  h.nextRecordList = GetU32(file, 72);
  h.recordCount = GetU16(file, 76);
  return h;
}

PdbDatabase ReadPdb(std::string_view file) {
  PdbDatabase database;
  database.header = ReadPdbHeader(file);
  const PdbHeader& h = database.header;
  if (h.nextRecordList != 0)
    throw Failure(
        "the database is damaged: its record list is split, which Palm databases on disk never "
        "are");
  const std::size_t count = h.recordCount;
  const std::size_t listEnd = kPdbHeaderSize + kPdbRecordEntrySize * count;
  if (listEnd > file.size())
    throw Failure("the database is damaged: the header announces " + ByteText(count) +
                  " records, but the file ends inside their list (" + ByteText(file.size()) +
                  " bytes)");

  std::vector<std::uint32_t> offsets(count);
  database.records.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t entry = kPdbHeaderSize + kPdbRecordEntrySize * i;
    offsets[i] = GetU32(file, entry);
    database.records[i].attributes = GetU8(file, entry + 4);
    database.records[i].uniqueId =
        (static_cast<std::uint32_t>(GetU8(file, entry + 5)) << 16) | GetU16(file, entry + 6);
    if (offsets[i] < listEnd || offsets[i] > file.size())
      throw Failure("the database is damaged: record " + ByteText(i + 1) +
                    " is said to start at byte " + ByteText(offsets[i]) + ", outside the file's " +
                    ByteText(file.size()) + " bytes of data");
  }
  CutRecords(file, offsets, database);

  if (h.appInfoOffset != 0) {
    std::size_t begin = h.appInfoOffset;
    std::size_t end = count > 0 ? offsets[0] : file.size();
    if (h.sortInfoOffset > begin && h.sortInfoOffset < end) end = h.sortInfoOffset;
    if (begin < listEnd || begin > end)
      throw Failure(
          "the database is damaged: its application info block is said to start at byte " +
          ByteText(begin) + ", outside the space between the record list and the first record");
    database.appInfo.assign(file.substr(begin, end - begin));
  }
  return database;
}

}  // namespace jconv5
