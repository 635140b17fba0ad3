#pragma once
// The progress window as a conversion sets it up: the drivers count records
// as they read or write them; the converter has none to show, only the wait.
#include "converter/ConverterTexts.h"
#include "platform/Ui.h"

#include <string>

namespace tk {

inline ProgressSetup RecordProgress(const std::string& file, Banner banner, bool showBar) {
  return {.prefix = kWorkingOnRecord,
          .sourceFile = file,
          .banner = banner,
          .showRecordCounter = true,
          .showBar = showBar};
}

inline ProgressSetup ConverterProgress(const std::string& file, Banner banner) {
  return {.prefix = kWaitingForConverter,
          .sourceFile = file,
          .banner = banner,
          .showRecordCounter = false,
          .showBar = true};
}

}  // namespace tk
