#pragma once

#include <string>
#include <string_view>

namespace sibylon {

// Card numbers: 0 the blank card, 1-22 the major cards, then four suits of 14 (23-36, 37-50,
// 51-64, 65-78), each from its Ace (rank 1) up to its fourth court card (rank 14).
inline constexpr int kCardCount = 79;      // card numbers 0..78
inline constexpr int kFirstSuitCard = 23;  // the Ace of the first suit
inline constexpr int kSuitSize = 14;

enum class CardGroup { kBlank, kMajor, kWands, kCups, kSwords, kCoins };

// Each fails with "List index out of bounds (card)" for a number outside 0..78.
CardGroup GroupOf(int card);
int RankOf(int card);  // 1..14 for suit cards, the card number for majors, 0 for the blank card
std::string CardNumberText(int card);  // decimal, no sign, no leading zeros

// The description type of an orientation word: "normal" -> "NORMAL" (ASCII letters only, other
// bytes unchanged).
std::string OrientationType(std::string_view orientation);

// A card picture inside a deck: deck folder (with its trailing separator) + orientation word +
// "/" + card number text + ".jpg".
std::string CardPicturePath(std::string_view deck_folder, std::string_view orientation,
                            std::string_view card_text);

}  // namespace sibylon
