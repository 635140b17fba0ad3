#pragma once
// The texts of an export: the message boxes its last stage ends with, in the
// order shown, its status line and its lines in the log.
//
// Kept byte for byte, as the program has always shown them: "Couldnt load
// csv File", "Couldnt read csv file", "Couldnt open output output File" (the
// word twice), "Records of more than 32K Not supported", "Transfer Stopped
// too many records to transfer", "CSV2PDB returned  0" (two blanks) and
// "JFile to EndNote" in every mode's log.
#include "converter/Notice.h"
#include "export/TaggedWriter.h"

#include <string>
#include <string_view>
#include <vector>

namespace tk {

// None for a complete transfer: first what stopped the reading, then the
// file that could not be written. database: the PDB exported, which a
// refusal of the mode names.
std::vector<Notice> TaggedNotices(const TaggedResult& result, Mode mode,
                                  const std::string& database);

// "%d Records Transferred to <manager>", one blank before the name.
std::string TransferredToText(int records, std::string_view manager);

inline constexpr char kExportHeading[] = "JFile to EndNote";
inline constexpr char kConverterFailedLine[] = "CSV2PDB returned  0";

}  // namespace tk
