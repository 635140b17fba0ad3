#pragma once
// An error that abandons the running operation: the top level (window, CLI)
// catches it and shows its text in an error box. Used only where the program
// deliberately gives up an operation ("Unable to write to %s",
// "'%s' is not a valid integer value"); everything else returns a result.
#include <stdexcept>
#include <string>

namespace tk {

class OperationError : public std::runtime_error {
public:
  explicit OperationError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tk
