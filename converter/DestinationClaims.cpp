#include "converter/DestinationClaims.h"

#include "converter/ConverterTexts.h"

namespace tk {

std::string DestinationClaims::claim(const std::string& file, const std::string& path,
                                     const std::string& databaseName) {
  std::string warning;
  // The latest claim is the result that gets replaced.
  for (auto earlier = claims_.rbegin(); earlier != claims_.rend() && warning.empty(); ++earlier) {
    if (earlier->path == path) {
      warning = SameFileText(file, earlier->file, path);
    } else if (!databaseName.empty() && earlier->databaseName == databaseName) {
      warning = SameDatabaseText(file, earlier->file, databaseName);
    }
  }
  claims_.push_back({file, path, databaseName});
  return warning;
}

}  // namespace tk
