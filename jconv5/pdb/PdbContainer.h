#pragma once
// The Palm database container (.PDB): a 78-byte header, the record list, the
// application info block and the records. Knows nothing about JFile.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace jconv5 {

inline constexpr std::size_t kPdbHeaderSize = 78;
inline constexpr std::size_t kPdbRecordEntrySize = 8;
inline constexpr std::uint8_t kRecordDeleted = 0x80;
inline constexpr std::uint8_t kRecordDirty = 0x40;

struct PdbHeader {
  std::string name;                   // at most 31 bytes are stored
  std::uint16_t attributes = 0x0008;  // backup bit
  std::uint16_t version = 0;
  std::uint32_t creationDate = 0;  // seconds since 1904-01-01
  std::uint32_t modificationDate = 0;
  std::uint32_t backupDate = 0;
  std::uint32_t modificationNumber = 0;
  std::uint32_t appInfoOffset = 0;  // as read; the writer works it out
  std::uint32_t sortInfoOffset = 0;
  std::string type;                // 4 bytes
  std::string creator;             // 4 bytes
  std::uint32_t uniqueIdSeed = 0;  // the writer sets highest unique ID + 1
  std::uint32_t nextRecordList = 0;
  std::uint16_t recordCount = 0;
};

struct PdbRecord {
  std::uint8_t attributes = kRecordDirty;
  std::uint32_t uniqueId = 0;  // 24 bits
  std::string data;
};

struct PdbDatabase {
  PdbHeader header;
  std::string appInfo;
  std::vector<PdbRecord> records;
};

// Seconds since 1904-01-01, the Palm epoch, from Unix seconds.
std::uint32_t PalmTimeFromUnix(std::int64_t unixSeconds);
std::uint32_t PalmTimeNow();

// The whole file; throws Failure for more than 65,535 records or a record of
// 64 KB or more.
std::string WritePdb(const PdbDatabase& database);

// The header alone, for checking what kind of database a file is before
// trusting its layout; throws Failure when the file is shorter than a header.
PdbHeader ReadPdbHeader(std::string_view file);
// Header, appInfo block and every record (deleted ones included, with their
// attributes); every offset and length is checked against the file. Throws
// Failure naming the damage.
PdbDatabase ReadPdb(std::string_view file);

}  // namespace jconv5
