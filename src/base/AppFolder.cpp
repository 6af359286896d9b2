#include "base/AppFolder.h"

#include <filesystem>

namespace sibylon {

AppFolder::AppFolder(std::string root) : root_(std::move(root)) {
  if (root_.empty() || root_.back() != '/') root_ += '/';
}

AppFolder AppFolder::OfExecutable() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return AppFolder(std::filesystem::current_path().string());
  return AppFolder(exe.parent_path().string());
}

}  // namespace sibylon
