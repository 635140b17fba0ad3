#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <string>
#include <vector>

namespace tk::test {

class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const;  // path + separator + name

private:
  std::string path_;
};

// Whole file as bytes; empty when missing.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// A file of tests/data.
std::string DataFile(const std::string& name);

}  // namespace tk::test
