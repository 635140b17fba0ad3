#pragma once
// Two files of one choice can end up in one destination: the same base name
// from two folders, or database names that agree in the characters kept.
// The later file's result replaces the earlier one's, so the user is told
// before it happens.
#include <string>
#include <vector>

namespace tk {

class DestinationClaims {
public:
  // Records that file writes path and, when given, the database name. The
  // warning naming both files when an earlier file of the choice claimed
  // either of them; empty otherwise.
  std::string claim(const std::string& file, const std::string& path,
                    const std::string& databaseName = {});

private:
  struct Claim {
    std::string file;
    std::string path;
    std::string databaseName;
  };
  std::vector<Claim> claims_;
};

}  // namespace tk
