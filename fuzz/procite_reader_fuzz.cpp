// The ProCite tab-separated export reader (one record per line).
#include "fuzz/FuzzState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tk::fuzz::RunImportReader(tk::Mode::ProCite, data, size, tk::ReadProCiteExport);
}
