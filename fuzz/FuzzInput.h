#pragma once
// The readers read files, so each fuzz input is written to a file first.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tk::fuzz {

// A per-process scratch folder in shared memory (or /tmp), created once.
const std::string& ScratchFolder();
// Writes the input to name in the scratch folder and returns its path.
std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size);

}  // namespace tk::fuzz
