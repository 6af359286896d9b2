#pragma once

#include <QColor>
#include <QString>

namespace sibylon::deckgen {

inline constexpr int kCardWidth = 288;
inline constexpr int kCardHeight = 466;
inline constexpr int kLastCard = 78;
inline constexpr int kLastTrump = 22;

enum class Suit { kBack, kTrump, kWands, kCups, kSwords, kCoins };

// Court ranks follow the ten number cards within a suit.
inline constexpr int kPage = 11;
inline constexpr int kKnight = 12;
inline constexpr int kQueen = 13;
inline constexpr int kKing = 14;

struct CardInfo {
  int number = 0;
  Suit suit = Suit::kBack;
  int rank = 0;       // 1..14 within a minor suit, the trump number for trumps
  QString title;      // printed at the bottom, e.g. "Three of Cups"
  QString top_label;  // printed at the top: Roman numeral, digit or court word
};

// Colours of one suit; every card of the suit is painted from the same set.
struct CardPalette {
  QColor border;
  QColor paper_top;
  QColor paper_bottom;
  QColor accent;  // frame lines and ornaments
  QColor band;    // number and title cartouches
  QColor band_text;
  QColor picture_top;
  QColor picture_bottom;
  QColor ink;  // outlines of drawings
  QColor main;
  QColor light;
  QColor dark;
  QColor extra;  // leaves, the coin star, crowns
};

CardInfo DescribeCard(int number);
QString RomanNumeral(int number);
const CardPalette& PaletteFor(Suit suit);
QString SuitName(Suit suit);

}  // namespace sibylon::deckgen
