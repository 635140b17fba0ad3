#include "import/DatabaseZip.h"

#include "fields/FieldsTexts.h"
#include "import/HandheldTexts.h"
#include "platform/Files.h"

#include <algorithm>
#include <array>

namespace tk {
namespace {

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char b : bytes)
    crc = kCrcTable[(crc ^ static_cast<unsigned char>(b)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

constexpr std::uint32_t kUtf8Names = 1u << 11;
constexpr std::uint32_t kVersion = 20;  // 2.0: stored entries, folders

// What the local header and the central directory share, from "version
// needed" to the name's length.
void PutCommon(std::string& out, const ZipEntry& entry, std::uint32_t crc) {
  Put16(out, kVersion);
  Put16(out, kUtf8Names);
  Put16(out, 0);     // stored
  Put16(out, 0);     // time: 00:00
  Put16(out, 0x21);  // date: 1980-01-01
  Put32(out, crc);
  Put32(out, static_cast<std::uint32_t>(entry.bytes.size()));
  Put32(out, static_cast<std::uint32_t>(entry.bytes.size()));
  Put16(out, static_cast<std::uint32_t>(entry.name.size()));
}

// Up to the 32 bytes the database name fills, NUL-padded.
std::string DatabaseName(const std::string& pdb) {
  constexpr std::size_t kNameBytes = 32;
  const std::string name = pdb.substr(0, std::min(pdb.size(), kNameBytes));
  return name.substr(0, name.find('\0'));
}

// A name that can't be taken for a folder of the archive.
std::string EntryName(const std::string& pdb, PalmCharset charset) {
  std::string name = Utf8OfPalm(charset, DatabaseName(pdb));
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '/' || c == '\\'; }, '_');
  return name + ".pdb";
}

std::uint64_t BytesIn(const std::vector<ZipEntry>& entries) {
  std::uint64_t size = 0;
  for (const ZipEntry& entry : entries) size += entry.bytes.size();
  return size;
}

}  // namespace

std::string ZipArchive(const std::vector<ZipEntry>& entries) {
  std::string out;
  std::string directory;
  for (const ZipEntry& entry : entries) {
    const std::uint32_t crc = Crc32(entry.bytes);
    const auto offset = static_cast<std::uint32_t>(out.size());
    Put32(out, 0x04034B50);
    PutCommon(out, entry, crc);
    Put16(out, 0);  // no extra field
    out += entry.name;
    out += entry.bytes;

    Put32(directory, 0x02014B50);
    Put16(directory, kVersion);
    PutCommon(directory, entry, crc);
    for (int i = 0; i < 4; ++i) Put16(directory, 0);  // extra, comment, disk, attributes
    Put32(directory, 0);                              // external attributes
    Put32(directory, offset);
    directory += entry.name;
  }
  const auto directoryAt = static_cast<std::uint32_t>(out.size());
  out += directory;
  Put32(out, 0x06054B50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  Put32(out, static_cast<std::uint32_t>(directory.size()));
  Put32(out, directoryAt);
  Put16(out, 0);
  return out;
}

std::string WriteDatabaseZip(const std::string& zipPath, const std::vector<std::string>& pdbPaths,
                             PalmCharset charset) {
  constexpr std::uint64_t kMiB = 1u << 20;
  std::vector<ZipEntry> entries;
  for (const std::string& pdb : pdbPaths) {
    ZipEntry entry;
    if (!ReadFileBytes(pdb, entry.bytes)) return ZipNotWrittenText(zipPath, CannotReadText(pdb));
    entry.name = EntryName(entry.bytes, charset);
    // The emulator keeps one database of a name, as the handheld does.
    std::erase_if(entries, [&](const ZipEntry& e) { return e.name == entry.name; });
    entries.push_back(std::move(entry));
    // Stops reading once the databases alone are too many.
    if (BytesIn(entries) > kEmulatorZipLimit) {
      return ZipTooLargeText(zipPath, kEmulatorZipLimit / kMiB);
    }
  }
  const std::string archive = ZipArchive(entries);
  if (archive.size() > kEmulatorZipLimit) {
    return ZipTooLargeText(zipPath, kEmulatorZipLimit / kMiB);
  }
  OutputFile out;
  if (out.open(zipPath)) {
    out.write(archive);
    if (out.commit()) return {};
  }
  return ZipNotWrittenText(zipPath, out.failure());
}

}  // namespace tk
