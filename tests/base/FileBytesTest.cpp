#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "base/AppError.h"
#include "base/FileBytes.h"
#include "support/ErrorOf.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

using test::ErrorOf;

TEST(FileBytesTest, SaveReplacesTheFileAndLeavesNoTemporaryBehind) {
  test::TempFolder folder;
  folder.Write("a.txt", "old content that is longer");
  ::chmod(folder.Path("a.txt").c_str(), 0640);
  SaveToFile(folder.Path("a.txt"), "new");
  EXPECT_EQ(ReadFileBytes(folder.Path("a.txt")), "new");
  struct stat info;
  ASSERT_EQ(::stat(folder.Path("a.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);  // the replaced file keeps its permissions
  int entries = 0;
  for (auto& entry : std::filesystem::directory_iterator(folder.Root())) ++entries, (void)entry;
  EXPECT_EQ(entries, 1);
}

TEST(FileBytesTest, FailuresNameTheFileAndKeepTheOldContent) {
  test::TempFolder folder;
  folder.Write("locked.txt", "keep me");
  ::chmod(folder.Path("locked.txt").c_str(), 0444);
  EXPECT_EQ(ErrorOf([&] { SaveToFile(folder.Path("locked.txt"), "lost"); }),
            "Cannot create file \"" + folder.Path("locked.txt") + "\". Permission denied");
  EXPECT_EQ(folder.Read("locked.txt"), "keep me");

  EXPECT_EQ(
      ErrorOf([&] { SaveToFile(folder.Path("missing/x.txt"), "x"); }),
      "Cannot create file \"" + folder.Path("missing/x.txt") + "\". No such file or directory");
  EXPECT_EQ(ErrorOf([&] { ReadFileBytes(folder.Path("nothing.srml")); }),
            "Cannot open file \"" + folder.Path("nothing.srml") + "\". No such file or directory");
  EXPECT_EQ(ErrorOf([&] { ReadFileBytes(folder.Root()); }),
            "Cannot open file \"" + folder.Root() + "\". Is a directory");
}

}  // namespace
}  // namespace sibylon
