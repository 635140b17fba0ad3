#include "converter/DestinationClaims.h"

namespace tk {

std::string DestinationClaims::claim(const std::string& file, const std::string& path,
                                     const std::string& databaseName) {
  std::string warning;
  // The latest claim is the result that gets replaced.
  for (auto earlier = claims_.rbegin(); earlier != claims_.rend() && warning.empty(); ++earlier) {
    const std::string lead = file + " replaces the result of " + earlier->file + ": both ";
    if (earlier->path == path) {
      warning = lead + "are written to " + path;
    } else if (!databaseName.empty() && earlier->databaseName == databaseName) {
      warning = lead + "make the database " + databaseName;
    }
  }
  claims_.push_back({file, path, databaseName});
  return warning;
}

}  // namespace tk
