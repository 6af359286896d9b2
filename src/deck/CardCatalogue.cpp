#include "deck/CardCatalogue.h"

#include "base/AppError.h"

namespace sibylon {
namespace {

void CheckCard(int card) {
  if (card < 0 || card >= kCardCount) throw ListIndexOutOfBounds(card);
}

}  // namespace

CardGroup GroupOf(int card) {
  CheckCard(card);
  if (card == 0) return CardGroup::kBlank;
  if (card < kFirstSuitCard) return CardGroup::kMajor;
  static constexpr CardGroup kSuits[] = {CardGroup::kWands, CardGroup::kCups, CardGroup::kSwords,
                                         CardGroup::kCoins};
  return kSuits[(card - kFirstSuitCard) / kSuitSize];
}

int RankOf(int card) {
  CheckCard(card);
  if (card < kFirstSuitCard) return card;
  return (card - kFirstSuitCard) % kSuitSize + 1;
}

std::string CardNumberText(int card) {
  CheckCard(card);
  return std::to_string(card);
}

std::string OrientationType(std::string_view orientation) {
  std::string type(orientation);
  for (char& c : type) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return type;
}

std::string CardPicturePath(std::string_view deck_folder, std::string_view orientation,
                            std::string_view card_text) {
  std::string path;
  path.reserve(deck_folder.size() + orientation.size() + card_text.size() + 5);
  path.append(deck_folder).append(orientation).append("/").append(card_text).append(".jpg");
  return path;
}

}  // namespace sibylon
