// The Reference Manager (RIS) export reader.
#include "fuzz/FuzzState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tk::fuzz::RunImportReader(tk::Mode::RefMan, data, size, tk::ReadRefManExport);
}
