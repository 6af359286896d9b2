#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace sibylon::test {

// A temporary folder for core tests, removed with everything in it when the test ends.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sibylon-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder with a trailing separator, as the program's AppFolder is written.
  std::string Root() const { return root_.string() + "/"; }
  std::string Path(const std::string& relative) const { return Root() + relative; }

  void Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(Path(relative)).parent_path());
    std::ofstream(Path(relative), std::ios::binary) << bytes;
  }

  std::string Read(const std::string& relative) const {
    std::ifstream in(Path(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path root_;
};

}  // namespace sibylon::test
