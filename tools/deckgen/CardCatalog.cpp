#include "CardCatalog.h"

#include <array>
#include <utility>

namespace sibylon::deckgen {
namespace {

constexpr std::array<const char*, kLastTrump + 1> kTrumpTitles = {
    "",
    "The Magician",
    "The High Priestess",
    "The Empress",
    "The Emperor",
    "The Hierophant",
    "The Lovers",
    "The Chariot",
    "Justice",
    "The Hermit",
    "The Wheel of Fortune",
    "Strength",
    "The Hanged Man",
    "Death",
    "Temperance",
    "The Devil",
    "The Tower",
    "The Star",
    "The Moon",
    "The Sun",
    "Judgement",
    "The Fool",
    "The World",
};

constexpr std::array<const char*, 15> kRankWords = {
    "",      "Ace",  "Two", "Three", "Four",   "Five",  "Six",  "Seven",
    "Eight", "Nine", "Ten", "Page",  "Knight", "Queen", "King",
};

constexpr int kCardsPerSuit = 14;

}  // namespace

QString RomanNumeral(int number) {
  // Trump numbers stay below forty, so tens are the largest part needed.
  static constexpr std::array<std::pair<int, const char*>, 5> kParts = {{
      {10, "X"},
      {9, "IX"},
      {5, "V"},
      {4, "IV"},
      {1, "I"},
  }};
  QString result;
  for (const auto& [value, letters] : kParts) {
    while (number >= value) {
      result += QLatin1String(letters);
      number -= value;
    }
  }
  return result;
}

QString SuitName(Suit suit) {
  switch (suit) {
    case Suit::kWands:
      return QStringLiteral("Wands");
    case Suit::kCups:
      return QStringLiteral("Cups");
    case Suit::kSwords:
      return QStringLiteral("Swords");
    case Suit::kCoins:
      return QStringLiteral("Coins");
    default:
      return {};
  }
}

CardInfo DescribeCard(int number) {
  CardInfo info;
  info.number = number;
  if (number <= 0 || number > kLastCard) return info;
  if (number <= kLastTrump) {
    info.suit = Suit::kTrump;
    info.rank = number;
    info.title = QLatin1String(kTrumpTitles[number]);
    info.top_label = RomanNumeral(number);
    return info;
  }
  const int index = number - kLastTrump - 1;
  static constexpr std::array<Suit, 4> kSuits = {Suit::kWands, Suit::kCups, Suit::kSwords,
                                                 Suit::kCoins};
  info.suit = kSuits[index / kCardsPerSuit];
  info.rank = index % kCardsPerSuit + 1;
  const QString word = QLatin1String(kRankWords[info.rank]);
  info.title = word + QStringLiteral(" of ") + SuitName(info.suit);
  if (info.rank == 1 || info.rank >= kPage) {
    info.top_label = word.toUpper();
  } else {
    info.top_label = QString::number(info.rank);
  }
  return info;
}

const CardPalette& PaletteFor(Suit suit) {
  // Each suit keeps to one colour family so a spread reads at a glance.
  static const CardPalette kTrump = {
      .border = QColor("#120c2a"),
      .paper_top = QColor("#3d2a7a"),
      .paper_bottom = QColor("#21154e"),
      .accent = QColor("#d9b24c"),
      .band = QColor("#170f38"),
      .band_text = QColor("#f2d06e"),
      .picture_top = QColor("#1c1446"),
      .picture_bottom = QColor("#3f2c80"),
      .ink = QColor("#4a3410"),
      .main = QColor("#e8c15a"),
      .light = QColor("#f8e7ac"),
      .dark = QColor("#a27a22"),
      .extra = QColor("#e0b84e"),
  };
  static const CardPalette kWands = {
      .border = QColor("#5c1a0b"),
      .paper_top = QColor("#fbe2c2"),
      .paper_bottom = QColor("#f2ad70"),
      .accent = QColor("#b8461c"),
      .band = QColor("#7c2410"),
      .band_text = QColor("#fff1dc"),
      .picture_top = QColor("#fff6e8"),
      .picture_bottom = QColor("#fbd0a0"),
      .ink = QColor("#5c1a0b"),
      .main = QColor("#a65a26"),
      .light = QColor("#dc9452"),
      .dark = QColor("#6e3512"),
      .extra = QColor("#f0641e"),
  };
  static const CardPalette kCups = {
      .border = QColor("#0b3344"),
      .paper_top = QColor("#daf1f3"),
      .paper_bottom = QColor("#92ccd8"),
      .accent = QColor("#1c7a8c"),
      .band = QColor("#0f4a5e"),
      .band_text = QColor("#eafcff"),
      .picture_top = QColor("#f3fbfc"),
      .picture_bottom = QColor("#c2e6ec"),
      .ink = QColor("#0b3344"),
      .main = QColor("#1f8ba2"),
      .light = QColor("#7fd2de"),
      .dark = QColor("#0f5b6c"),
      .extra = QColor("#e6c463"),
  };
  static const CardPalette kSwords = {
      .border = QColor("#1d2b4a"),
      .paper_top = QColor("#eef2f7"),
      .paper_bottom = QColor("#bccada"),
      .accent = QColor("#4a6288"),
      .band = QColor("#24355c"),
      .band_text = QColor("#f2f6fb"),
      .picture_top = QColor("#fcfdfe"),
      .picture_bottom = QColor("#d8e1ec"),
      .ink = QColor("#1a2850"),
      .main = QColor("#d5dde8"),
      .light = QColor("#ffffff"),
      .dark = QColor("#8593ab"),
      .extra = QColor("#3a5686"),
  };
  static const CardPalette kCoins = {
      .border = QColor("#2a4216"),
      .paper_top = QColor("#f5eec8"),
      .paper_bottom = QColor("#d8c47c"),
      .accent = QColor("#7d7a22"),
      .band = QColor("#3a5a1c"),
      .band_text = QColor("#fbf3d0"),
      .picture_top = QColor("#fcf9e8"),
      .picture_bottom = QColor("#ebdfa4"),
      .ink = QColor("#2a4216"),
      .main = QColor("#d8a83a"),
      .light = QColor("#f4d97e"),
      .dark = QColor("#8a6a16"),
      .extra = QColor("#3f7a24"),
  };
  switch (suit) {
    case Suit::kWands:
      return kWands;
    case Suit::kCups:
      return kCups;
    case Suit::kSwords:
      return kSwords;
    case Suit::kCoins:
      return kCoins;
    default:
      return kTrump;
  }
}

}  // namespace sibylon::deckgen
