#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <set>

#include "base/AppError.h"
#include "base/FolderListing.h"
#include "base/TempFileName.h"
#include "deckimport/DeckFolders.h"
#include "deckimport/DeckInfo.h"
#include "reading/DeckList.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

std::set<std::string> Entries(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(DeckFoldersTest, DeckNamesAreCleanedAsFileNames) {
  const struct {
    std::string typed;
    std::string clean;
  } cases[] = {
      {"Moon Garden", "Moon Garden"},
      {"  Moon: Garden?  ", "Moon Garden"},
      {"a/b\\c|d^e*f<g>h\"i", "abcdefghi"},
      {"[Bracketed]", "Bracketed"},  // the deck list would show it without them
      {"..", ""},
      {".hidden", "hidden"},
      {". . x", "x"},
      {"tab\there", "tabhere"},
      {"Колода Луны", "Колода Луны"},
      {"///", ""},
      {std::string(120, 'x'), std::string(100, 'x')},
      // Never cut inside a character: 99 bytes, then a two-byte letter that would end at 101.
      {std::string(99, 'x') + "Ж", std::string(99, 'x')},
  };
  for (const auto& c : cases) EXPECT_EQ(CleanDeckName(c.typed), c.clean) << c.typed;
}

TEST(DeckFoldersTest, TheImportFolderIsListedNowhereAndInstalledWhole) {
  test::TempFolder app;
  const std::string cards = app.Path("cards/");
  app.Write("cards/Celestine/normal/1.jpg", "old");
  const std::string folder = MakeImportFolder(cards, "Moon.Garden");
  WriteNewFile(folder + "normal/1.jpg", "new");
  EXPECT_TRUE(IsTempFileName(std::filesystem::path(folder).parent_path().filename().string()));
  EXPECT_EQ(DeckListFromFolders(ListSubfolders(cards)), std::vector<std::string>{"Celestine"});

  InstallDeck(folder, cards, "Moon.Garden", std::nullopt);
  EXPECT_EQ(Entries(cards), (std::set<std::string>{"Celestine", "Moon.Garden"}));
  EXPECT_EQ(app.Read("cards/Moon.Garden/normal/1.jpg"), "new");
  EXPECT_TRUE(std::filesystem::is_directory(cards + "Moon.Garden/reversed"));
  EXPECT_TRUE(std::filesystem::is_directory(cards + "Moon.Garden/blank"));

  // A second import of the same name without the question's answer never replaces it.
  const std::string again = MakeImportFolder(cards, "Moon.Garden");
  EXPECT_THROW(InstallDeck(again, cards, "Moon.Garden", std::nullopt), AppError);
  EXPECT_EQ(app.Read("cards/Moon.Garden/normal/1.jpg"), "new");
}

TEST(DeckFoldersTest, AReplacedDeckGivesWayWhole) {
  test::TempFolder app;
  const std::string cards = app.Path("cards/");
  app.Write("cards/Celestine/normal/1.jpg", "old");
  app.Write("cards/Celestine/normal/2.jpg", "old");
  const std::string folder = MakeImportFolder(cards, "celestine");
  WriteNewFile(folder + "normal/1.jpg", "new");
  EXPECT_EQ(ExistingDeck(cards, "celestine"), "Celestine");  // as the deck list selects it
  EXPECT_EQ(ExistingDeck(cards, "Other"), std::nullopt);

  InstallDeck(folder, cards, "celestine", "Celestine");
  // The new deck under the new spelling, nothing of the old one, no temporary folder.
  EXPECT_EQ(Entries(cards), std::set<std::string>{"celestine"});
  EXPECT_EQ(app.Read("cards/celestine/normal/1.jpg"), "new");
  EXPECT_FALSE(std::filesystem::exists(cards + "celestine/normal/2.jpg"));
}

TEST(DeckFoldersTest, RemovingADeck) {
  test::TempFolder app;
  const std::string cards = app.Path("cards/");
  app.Write("cards/Celestine/normal/1.jpg", "x");
  app.Write("cards/Other/normal/1.jpg", "x");
  std::filesystem::create_directory_symlink(cards + "Other", cards + "Celestine/link");
  EXPECT_EQ(RemoveDeckFolder(cards, "Celestine"), 0);
  EXPECT_EQ(Entries(cards), std::set<std::string>{"Other"});
  EXPECT_EQ(app.Read("cards/Other/normal/1.jpg"), "x");  // a link inside is not followed
  EXPECT_EQ(RemoveDeckFolder(cards, "Missing"), ENOENT);
  EXPECT_EQ(Entries(cards), std::set<std::string>{"Other"});
}

// An import that an earlier run did not finish is removed at the next start, with its files; an
// import of this run is not, nor a user's hidden folder.
TEST(DeckFoldersTest, UnfinishedImportsOfEarlierRunsAreRemoved) {
  test::TempFolder app;
  const std::string cards = app.Path("cards/");
  app.Write("cards/.hidden/x.jpg", "x");
  const std::string earlier = MakeImportFolder(cards, "Earlier");
  WriteNewFile(earlier + "normal/1.jpg", "x");
  const auto started = std::chrono::system_clock::now() + std::chrono::seconds(1);
  const std::string later = cards + ".Later.sibylon-tmp-Ab12Cd";
  ::mkdir(later.c_str(), 0777);
  const timespec future[2] = {{std::time(nullptr) + 60, 0}, {std::time(nullptr) + 60, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, later.c_str(), future, 0), 0);

  RemoveTempFolderLeftovers(cards, started);
  EXPECT_EQ(Entries(cards), (std::set<std::string>{".hidden", ".Later.sibylon-tmp-Ab12Cd"}));
}

TEST(DeckFoldersTest, TheDeckInfoFile) {
  DeckInfo info{"Moon Garden", "A. Painter\nand friends", "CC-BY-SA-4.0", "/home/me/decks/moon"};
  const std::string text = DeckInfoText(info);
  EXPECT_EQ(text,
            "name=Moon Garden\r\nauthor=A. Painter and friends\r\nlicense=CC-BY-SA-4.0\r\n"
            "source=/home/me/decks/moon\r\n");
  info.author = "A. Painter and friends";
  EXPECT_EQ(ParseDeckInfo(text), info);
  // Values may hold "="; unknown keys and lines without "=" are passed over.
  const DeckInfo read = ParseDeckInfo("version=2\nauthor = A=B \njunk\nlicense=\n");
  EXPECT_EQ(read.author, "A=B");
  EXPECT_TRUE(read.license.empty());
  EXPECT_TRUE(read.name.empty());

  test::TempFolder deck;
  EXPECT_EQ(ReadDeckInfo(deck.Root()), std::nullopt);
  deck.Write(kDeckInfoFile, "name=X\r\n");
  EXPECT_EQ(ReadDeckInfo(deck.Root())->name, "X");
}

}  // namespace
}  // namespace sibylon
