#include <gtest/gtest.h>

#include <map>

#include "base/AppError.h"
#include "deckimport/DeckMapping.h"
#include "deckimport/DeckScan.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

constexpr auto kStrength = TrumpOrder::kStrengthEight;
constexpr auto kJustice = TrumpOrder::kJusticeEight;

using Texts = std::map<std::string, std::string>;

DeckScan Recognise(const std::vector<std::string>& files, const Texts& texts = {},
                   const std::vector<std::string>& languages = {"en"}) {
  return RecogniseDeck(
      files,
      [&texts](const std::string& path) -> std::optional<std::string> {
        const auto found = texts.find(path);
        if (found == texts.end()) return std::nullopt;
        return found->second;
      },
      languages);
}

std::string Picture(const DeckMapping& mapping, int card) {
  return mapping.cards[static_cast<std::size_t>(card)].picture;
}

// Every file of a numbered folder, `first` .. `first` + 77, named by `name`.
std::vector<std::string> Numbered(int first, const std::function<std::string(int)>& name) {
  std::vector<std::string> files;
  for (int n = first; n < first + 78; ++n) files.push_back(name(n));
  return files;
}

std::vector<std::string> OpenDeckFiles(const std::string& root, const std::string& ext) {
  static const char* suits[] = {"wands", "cups", "swords", "pentacles"};
  std::vector<std::string> files;
  for (int trump = 0; trump < 22; ++trump) {
    files.push_back(root + "major_arcana/" + (trump < 10 ? "0" : "") + std::to_string(trump) + "." +
                    ext);
  }
  for (const char* suit : suits) {
    for (int rank = 1; rank <= 14; ++rank) {
      files.push_back(root + "minor_arcana/" + suit + "/" + OpenDeckRankName(rank) + "." + ext);
    }
  }
  return files;
}

TEST(DeckScanTest, TheProgramsOwnLayout) {
  std::vector<std::string> files = {"blank/0.jpg", "notes.txt", "preview.png"};
  for (int card = 1; card <= 78; ++card) files.push_back("normal/" + std::to_string(card) + ".jpg");
  files.push_back("reversed/5.jpg");
  const DeckScan scan = Recognise(files);
  EXPECT_EQ(scan.layout, DeckLayout::kOwn);
  EXPECT_EQ(scan.back, "blank/0.jpg");
  EXPECT_EQ(scan.unused, std::vector<std::string>{"preview.png"});
  const DeckMapping mapping = MapDeck(scan, kStrength);
  EXPECT_EQ(mapping.MissingCount(), 0);
  EXPECT_FALSE(mapping.order_matters);  // the program's own numbers need no order
  EXPECT_EQ(Picture(mapping, 8), "normal/8.jpg");
  EXPECT_EQ(Picture(mapping, 0), "blank/0.jpg");
  EXPECT_EQ(mapping.cards[5].reversed, "reversed/5.jpg");
  EXPECT_EQ(mapping.cards[6].reversed, "");
}

TEST(DeckScanTest, NumberedFolders) {
  const struct {
    const char* what;
    std::vector<std::string> files;
    int first;
  } cases[] = {
      {"0-77 with zeros",
       Numbered(0, [](int n) { return (n < 10 ? "0" : "") + std::to_string(n) + ".jpg"; }), 0},
      {"1-78 plain", Numbered(1, [](int n) { return std::to_string(n) + ".webp"; }), 1},
      {"prefix",
       Numbered(0,
                [](int n) {
                  return "card_" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".png";
                }),
       0},
  };
  for (const auto& c : cases) {
    std::vector<std::string> files = c.files;
    files.push_back("back.png");
    files.push_back("cover.jpg");
    const DeckScan scan = Recognise(files);
    ASSERT_EQ(scan.layout, DeckLayout::kNumbered) << c.what;
    EXPECT_EQ(scan.first_number, c.first) << c.what;
    EXPECT_EQ(scan.back, "back.png") << c.what;
    EXPECT_EQ(scan.unused, std::vector<std::string>{"cover.jpg"}) << c.what;
    const DeckMapping strength = MapDeck(scan, kStrength);
    const DeckMapping justice = MapDeck(scan, kJustice);
    EXPECT_EQ(strength.MissingCount(), 0) << c.what;
    EXPECT_TRUE(strength.order_matters) << c.what;
    // The Fool is the first file, the World the 22nd, the King of Pentacles the last.
    EXPECT_EQ(Picture(strength, 21), files[0]) << c.what;
    EXPECT_EQ(Picture(strength, 22), files[21]) << c.what;
    EXPECT_EQ(Picture(strength, 78), files[77]) << c.what;
    EXPECT_EQ(Picture(strength, 23), files[22]) << c.what;
    // The ninth file (VIII) is Force with Strength VIII, Justice the other way round.
    EXPECT_EQ(Picture(strength, 11), files[8]) << c.what;
    EXPECT_EQ(Picture(strength, 8), files[11]) << c.what;
    EXPECT_EQ(Picture(justice, 8), files[8]) << c.what;
    EXPECT_EQ(Picture(justice, 11), files[11]) << c.what;
  }
}

TEST(DeckScanTest, AFolderNamedByCard) {
  std::vector<std::string> files = {"The_Fool.jpg",    "strength.png",        "Justice.jpg",
                                    "ace_of_cups.png", "queen-of-swords.jpg", "card-back.jpg",
                                    "readme.jpg"};
  const DeckScan scan = Recognise(files);
  EXPECT_EQ(scan.layout, DeckLayout::kNamed);
  EXPECT_EQ(scan.back, "card-back.jpg");
  EXPECT_EQ(scan.unused, std::vector<std::string>{"readme.jpg"});
  const DeckMapping mapping = MapDeck(scan, kJustice);
  EXPECT_FALSE(mapping.order_matters);  // names fix Strength and Justice
  EXPECT_EQ(Picture(mapping, 21), "The_Fool.jpg");
  EXPECT_EQ(Picture(mapping, 11), "strength.png");
  EXPECT_EQ(Picture(mapping, 8), "Justice.jpg");
  EXPECT_EQ(Picture(mapping, 37), "ace_of_cups.png");
  EXPECT_EQ(Picture(mapping, 63), "queen-of-swords.jpg");
  EXPECT_EQ(mapping.MissingCount(), 73);
}

TEST(DeckScanTest, ScanNamesAreNamedAndTheirTrumpsNumbered) {
  std::vector<std::string> files;
  for (int trump = 0; trump < 22; ++trump) {
    files.push_back("ar" + std::string(trump < 10 ? "0" : "") + std::to_string(trump) + ".jpg");
  }
  for (const char* suit : {"wa", "cu", "sw", "pe"}) {
    for (int rank = 1; rank <= 10; ++rank) {
      files.push_back(suit + std::string(rank < 10 ? "0" : "") + std::to_string(rank) + ".jpg");
    }
    for (const char* court : {"PA", "KN", "QU", "KI"})
      files.push_back(suit + std::string(court) + ".jpg");
  }
  const DeckScan scan = Recognise(files);
  EXPECT_EQ(scan.layout, DeckLayout::kNamed);
  const DeckMapping mapping = MapDeck(scan, kStrength);
  EXPECT_EQ(mapping.MissingCount(), 0);
  EXPECT_TRUE(mapping.order_matters);
  EXPECT_EQ(Picture(mapping, 11), "ar08.jpg");
  EXPECT_EQ(Picture(mapping, 63), "swQU.jpg");
  EXPECT_EQ(Picture(MapDeck(scan, kJustice), 8), "ar08.jpg");
}

TEST(DeckScanTest, AFlatDeckPackedInASubfolder) {
  const DeckScan scan = Recognise({"MyDeck/00.jpg", "MyDeck/01.jpg", "license.txt"});
  EXPECT_EQ(scan.layout, DeckLayout::kNumbered);
  EXPECT_EQ(scan.pictures_from, "MyDeck");
  EXPECT_EQ(Picture(MapDeck(scan, kStrength), 21), "MyDeck/00.jpg");
}

TEST(DeckScanTest, OpenDeckTakesTheLargestRasterFolderAndFillsFromTheNext) {
  std::vector<std::string> files = {"deck.toml", "card_backs/alternative.png",
                                    "card_backs/classic.png", "names/en.toml", "names/ru.toml"};
  for (const auto& root : {"h750/", "h1200/"}) {
    const auto more = OpenDeckFiles(root, "png");
    files.insert(files.end(), more.begin(), more.end());
  }
  const auto svg = OpenDeckFiles("scalable/", "svg");
  files.insert(files.end(), svg.begin(), svg.end());
  // h2400 holds one card only, numbered by rank.
  files.push_back("h2400/minor_arcana/cups/01.webp");
  std::erase(files, "h1200/major_arcana/05.png");
  const Texts texts = {
      {"deck.toml",
       "[deck]\nid = \"x\"\nname = \"Moon \\\"Garden\\\"\"\nauthor = \"A. Painter\"\n"
       "license = \"CC-BY-SA-4.0\"\n\n[remap_major_arcana]\n08 = \"justice\"\n11 = \"strength\"\n"},
      {"names/en.toml",
       "[major_arcana]\n00 = \"The Fool\"\n08 = \"Justice\"\n\n[major_arcana.alt_text]\n"
       "00 = \"A figure\"\n\n[minor_arcana.cups]\nace = \"Ace of Cups\"\n"},
      {"names/ru.toml", "[major_arcana]\n00 = \"Шут\"\n"},
  };
  const DeckScan scan = Recognise(files, texts);
  EXPECT_EQ(scan.layout, DeckLayout::kOpenDeck);
  EXPECT_EQ(scan.pictures_from, "h1200");  // where most cards come from
  EXPECT_EQ(scan.back, "card_backs/classic.png");
  EXPECT_EQ(scan.info.name, "Moon \"Garden\"");
  EXPECT_EQ(scan.info.author, "A. Painter");
  EXPECT_EQ(scan.info.license, "CC-BY-SA-4.0");
  EXPECT_EQ(scan.order, kJustice);
  EXPECT_EQ(scan.names_file, "names/en.toml");
  EXPECT_TRUE(scan.problems.empty());
  EXPECT_TRUE(scan.unused.empty()) << scan.unused.front();

  const DeckMapping mapping = MapDeck(scan, kJustice);
  EXPECT_EQ(mapping.MissingCount(), 0);
  EXPECT_EQ(Picture(mapping, 37), "h2400/minor_arcana/cups/01.webp");
  EXPECT_EQ(Picture(mapping, 38), "h1200/minor_arcana/cups/two.png");
  EXPECT_EQ(Picture(mapping, 5), "h750/major_arcana/05.png");
  EXPECT_EQ(Picture(mapping, 8), "h1200/major_arcana/08.png");
  EXPECT_EQ(Picture(mapping, 22), "h1200/major_arcana/21.png");
  EXPECT_EQ(mapping.cards[21].deck_name, "The Fool");
  EXPECT_EQ(mapping.cards[8].deck_name, "Justice");
  EXPECT_EQ(mapping.cards[37].deck_name, "Ace of Cups");
  // The name table in the interface's language where the deck has one.
  EXPECT_EQ(Recognise(files, texts, {"ru", "en"}).names_file, "names/ru.toml");
}

TEST(DeckScanTest, OpenDeckOfVectorPicturesOnly) {
  std::vector<std::string> files = OpenDeckFiles("scalable/", "svg");
  files.push_back("scalable/card_backs/classic.svg");
  const DeckScan scan = Recognise(files);
  EXPECT_EQ(scan.layout, DeckLayout::kOpenDeck);
  EXPECT_EQ(scan.pictures_from, "scalable");
  EXPECT_EQ(scan.back, "scalable/card_backs/classic.svg");
  EXPECT_FALSE(scan.order.has_value());
  const DeckMapping mapping = MapDeck(scan, kStrength);
  EXPECT_EQ(mapping.MissingCount(), 0);
  EXPECT_EQ(Picture(mapping, 11), "scalable/major_arcana/08.svg");
}

TEST(DeckScanTest, BrokenDescriptionsAreNamedAndTheDeckStillRead) {
  std::vector<std::string> files = OpenDeckFiles("", "jpg");
  files.push_back("deck.toml");
  files.push_back("names/en.toml");
  const DeckScan scan =
      Recognise(files, {{"deck.toml", "[deck]\nname = \"unclosed\n"}, {"names/en.toml", "x = "}});
  EXPECT_EQ(scan.layout, DeckLayout::kOpenDeck);
  EXPECT_EQ(scan.pictures_from, "");
  ASSERT_EQ(scan.problems.size(), 2u);
  EXPECT_EQ(scan.problems[0].rfind("deck.toml: line 2", 0), 0u) << scan.problems[0];
  EXPECT_EQ(scan.problems[1].rfind("names/en.toml: line 1", 0), 0u) << scan.problems[1];
  EXPECT_TRUE(scan.info.Empty());
  EXPECT_EQ(MapDeck(scan, kStrength).MissingCount(), 0);
}

TEST(DeckScanTest, AFolderWithoutCards) {
  for (const auto& files : std::vector<std::vector<std::string>>{
           {}, {"notes.txt"}, {"photo.jpg", "holiday.png"}, {"a/x.jpg", "b/y.jpg"}}) {
    const DeckScan scan = Recognise(files);
    EXPECT_EQ(scan.layout, DeckLayout::kUnknown);
    EXPECT_TRUE(scan.pictures.empty());
    EXPECT_EQ(MapDeck(scan, kStrength).MissingCount(), 78);
  }
}

// The listing of a real folder: hidden files (".DS_Store", "._the_fool.jpg" of a Mac archive)
// are passed over, and so is what lies deeper than a deck does.
TEST(DeckScanTest, ListingAFolder) {
  test::TempFolder folder;
  folder.Write("the_fool.jpg", "x");
  folder.Write("._the_fool.jpg", "x");
  folder.Write(".DS_Store", "x");
  folder.Write("h750/minor_arcana/cups/ace.png", "x");
  folder.Write("a/b/c/d/e.jpg", "x");
  EXPECT_EQ(ListDeckFiles(folder.Root()),
            (std::vector<std::string>{"h750/minor_arcana/cups/ace.png", "the_fool.jpg"}));
  EXPECT_THROW(ListDeckFiles(folder.Path("missing/")), AppError);
  EXPECT_EQ(ScanDeckFolder(folder.Root(), {"en"}).layout, DeckLayout::kOpenDeck);
}

}  // namespace
}  // namespace sibylon
