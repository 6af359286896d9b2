#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <csignal>
#include <filesystem>
#include <set>

#include "base/FileBytes.h"
#include "base/FolderListing.h"
#include "base/TempFileName.h"
#include "database/ReadingsDatabase.h"
#include "srml/CardDescriptionSet.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

std::set<std::string> FolderContents(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Saves `path` in a child process that the system stops in the middle of writing (the file size
// limit is reached), as a crash or a kill between writing and renaming would.
void InterruptedSave(const std::string& path) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit = {8, 8};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    SaveToFile(path, std::string(4096, 'x'));
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the save was not cut short";
}

void SetChangeTime(const std::string& path, std::chrono::system_clock::time_point when) {
  const auto since_epoch = when.time_since_epoch();
  const auto seconds = std::chrono::floor<std::chrono::seconds>(since_epoch);
  const timespec time = {
      seconds.count(), static_cast<long>(std::chrono::nanoseconds(since_epoch - seconds).count())};
  const timespec times[2] = {time, time};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

TEST(TempFileNameTest, AnInterruptedSaveLeavesNothingThatAListShows) {
  test::TempFolder folder;
  folder.Write("Keep.srml", "kept\r\n");
  ASSERT_NO_FATAL_FAILURE(InterruptedSave(folder.Path("Keep.srml")));

  const std::set<std::string> contents = FolderContents(folder.Root());
  ASSERT_EQ(contents.size(), 2u) << "the interrupted save left no temporary file to test with";
  std::string leftover;
  for (const std::string& name : contents) {
    if (name != "Keep.srml") leftover = name;
  }
  EXPECT_TRUE(IsTempFileName(leftover)) << leftover;
  EXPECT_EQ(leftover.front(), '.') << leftover;
  EXPECT_EQ(leftover.find(".srml"), std::string::npos) << leftover;
  EXPECT_EQ(folder.Read("Keep.srml"), "kept\r\n");

  // The database lists every extension; spreads and description sets list ".srml".
  EXPECT_EQ(DatabaseEntries(folder.Root()), std::vector<std::string>{"Keep"});
  EXPECT_EQ(ListFiles(folder.Root(), ""), std::vector<std::string>{"Keep.srml"});
  EXPECT_EQ(ListFiles(folder.Root(), ".srml"), std::vector<std::string>{"Keep.srml"});
  EXPECT_EQ(DescriptionSetNames(folder.Root()), std::vector<std::string>{"Keep"});
}

TEST(TempFileNameTest, OnlyTheNamesOfSavesCountAsTemporary) {
  const struct {
    std::string name;
    bool temporary;
  } cases[] = {
      {".Keep_srml.sibylon-tmp-Ab12Cd", true},
      {"._.sibylon-tmp-000000", true},
      {"Keep.srml", false},
      {".hidden", false},
      {".Keep.srml.Ab12Cd", false},             // a user's file, whatever it looks like
      {"Keep_srml.sibylon-tmp-Ab12Cd", false},  // not hidden
      {".Keep_srml.sibylon-tmp-Ab12C", false},  // random part too short
      {".Keep_srml.sibylon-tmp-Ab12Cd.srml", false},
      {".sibylon-tmp-Ab12Cd", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsTempFileName(c.name), c.temporary) << c.name;

  const std::string made = TempFileTemplate("/app/database/My.Reading.srml");
  EXPECT_EQ(made, "/app/database/.My_Reading_srml.sibylon-tmp-XXXXXX");
  EXPECT_TRUE(IsTempFileName(made.substr(made.rfind('/') + 1)));
}

// The temporary name is longer than the target's; a name at the file system's limit still saves.
TEST(TempFileNameTest, TheLongestNameStillSaves) {
  test::TempFolder folder;
  const std::string name = std::string(NAME_MAX - 5, 'n') + ".srml";
  SaveToFile(folder.Path(name), "long\r\n");
  EXPECT_EQ(folder.Read(name), "long\r\n");
  EXPECT_EQ(FolderContents(folder.Root()), std::set<std::string>{name});
  const std::string made = TempFileTemplate(folder.Path(name));
  EXPECT_LE(made.size() - made.rfind('/') - 1, static_cast<std::size_t>(NAME_MAX));
}

TEST(TempFileNameTest, LeftoversOfEarlierRunsAreRemovedAndNothingElse) {
  test::TempFolder folder;
  const auto started = std::chrono::system_clock::now();
  const std::string old_leftover = ".Keep_srml.sibylon-tmp-Ab12Cd";
  const std::string new_leftover = ".Other_srml.sibylon-tmp-Zz99Yy";  // a save of this run
  const std::set<std::string> others = {"Keep.srml", ".hidden", ".Keep.srml.Ab12Cd",
                                        "plain.sibylon-tmp-Ab12Cd"};
  for (const std::string& name : others) folder.Write(name, "x");
  folder.Write(old_leftover, "half");
  folder.Write(new_leftover, "half");
  std::filesystem::create_directory(folder.Path(".Dir_srml.sibylon-tmp-Qq11Ww"));
  for (const std::string& name : others) {
    SetChangeTime(folder.Path(name), started - std::chrono::hours(1));
  }
  SetChangeTime(folder.Path(old_leftover), started - std::chrono::milliseconds(1));
  SetChangeTime(folder.Path(new_leftover), started + std::chrono::milliseconds(1));
  SetChangeTime(folder.Path(".Dir_srml.sibylon-tmp-Qq11Ww"), started - std::chrono::hours(1));

  RemoveTempFileLeftovers(folder.Root(), started);

  std::set<std::string> expected = others;
  expected.insert(new_leftover);
  expected.insert(".Dir_srml.sibylon-tmp-Qq11Ww");  // only files are removed
  EXPECT_EQ(FolderContents(folder.Root()), expected);

  // A folder that is not there is passed over.
  RemoveTempFileLeftovers(folder.Path("missing/"), started);
}

}  // namespace
}  // namespace sibylon
