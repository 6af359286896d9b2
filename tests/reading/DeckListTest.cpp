#include <gtest/gtest.h>

#include "reading/DeckList.h"

namespace sibylon {
namespace {

TEST(DeckListTest, FoldersAreListedSortedWithoutBracketsOrCase) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(DeckListFromFolders({}), Names{});
  EXPECT_EQ(DeckListFromFolders({"Celestine", "[Old]", "b deck", "A"}),
            (Names{"Old", "A", "b deck", "Celestine"}));
}

}  // namespace
}  // namespace sibylon
