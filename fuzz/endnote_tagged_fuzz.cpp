// EndNote's "EndNote Export" (%-tagged) reader.
#include "fuzz/FuzzState.h"
#include "import/TaggedReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tk::fuzz::RunImportReader(tk::Mode::EndNote, data, size, tk::ReadEndNoteTaggedExport);
}
