#include "cli/ConsoleUi.h"

#include "converter/ConverterTexts.h"
#include "platform/StopSignal.h"

namespace tk::cli {

void ConsoleUi::showMessage(MessageKind, const std::string& text) {
  err_ << text << '\n';
  err_.flush();
}

void ConsoleUi::showErrorReport(const std::vector<std::string>& lines) {
  err_ << kErrorReportHeading << '\n';
  for (const auto& line : lines) err_ << line << '\n';
  err_.flush();
}

bool ConsoleUi::stopRequested() const { return StopSignalled(); }

}  // namespace tk::cli
