#include <gtest/gtest.h>

#include <set>

#include "database/ReadingsDatabase.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

// The list is ordered by its entries (file names without ".srml"), not by the file names: "a b"
// comes before "a.srml" although the blank sorts before the dot.
TEST(ReadingsDatabaseTest, FilesComeInTheOrderOfTheirEntries) {
  test::TempFolder folder;
  for (const char* file : {"b.srml", "a.srml", "a b.srml", "notes.txt", "A.srml.srml"}) {
    folder.Write(file, "x");
  }
  const std::vector<std::string> files = DatabaseFiles(folder.Root());
  ASSERT_EQ(files.size(), 5u);
  EXPECT_EQ(files[2], "a b.srml");
  EXPECT_EQ(files[3], "b.srml");
  EXPECT_EQ(files[4], "notes.txt");
  std::vector<std::string> entries;
  for (const std::string& file : files) entries.push_back(EntryName(file));
  EXPECT_EQ(entries, DatabaseEntries(folder.Root()));
  // Equal but for case: in the folder's own order.
  EXPECT_EQ((std::set<std::string>{entries[0], entries[1]}), (std::set<std::string>{"A", "a"}));
  EXPECT_EQ(entries[2], "a b");
}

}  // namespace
}  // namespace sibylon
