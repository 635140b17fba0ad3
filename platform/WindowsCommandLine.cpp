#include "platform/WindowsCommandLine.h"

namespace tk {
namespace {

bool NeedsQuotes(std::string_view arg) {
  return arg.empty() || arg.find_first_of(" \t\n\v\"") != std::string_view::npos;
}

}  // namespace

// Backslashes are literal unless they run into a quote: then each one must
// be doubled, and so must a run that ends the item, before the closing quote.
std::string QuoteWindowsArgument(std::string_view arg) {
  if (!NeedsQuotes(arg)) return std::string(arg);
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    const std::size_t count = c == '"' ? backslashes * 2 + 1 : backslashes;
    quoted.append(count, '\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(backslashes * 2, '\\');
  quoted += '"';
  return quoted;
}

std::string WindowsCommandLine(const std::vector<std::string>& args) {
  std::string line;
  for (const auto& arg : args) {
    if (!line.empty()) line += ' ';
    line += QuoteWindowsArgument(arg);
  }
  return line;
}

}  // namespace tk
