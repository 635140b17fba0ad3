// The EndNote tab-separated export reader (records end with 0xB0).
#include "fuzz/FuzzState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tk::fuzz::RunImportReader(tk::Mode::EndNote, data, size, tk::ReadEndNoteExport);
}
