#include "deckimport/DeckMapping.h"

namespace sibylon {

int DeckMapping::MissingCount() const {
  int missing = 0;
  for (int card = 1; card < kCardCount; ++card) {
    if (cards[static_cast<std::size_t>(card)].picture.empty()) ++missing;
  }
  return missing;
}

DeckMapping MapDeck(const DeckScan& scan, TrumpOrder order) {
  DeckMapping mapping;
  mapping.cards[0].picture = scan.back;
  for (const FoundPicture& found : scan.pictures) {
    const int card = PlaceCard(found.card, order);
    if (card < 1 || card >= kCardCount) continue;
    CardSource& source = mapping.cards[static_cast<std::size_t>(card)];
    if (!source.picture.empty()) continue;
    source.picture = found.path;
    source.reversed = found.reversed;
    if (found.card.trump == 8 || found.card.trump == 11) mapping.order_matters = true;
  }
  for (const auto& [source_card, name] : scan.card_names) {
    const int card = PlaceCard(source_card, order);
    if (card >= 1 && card < kCardCount)
      mapping.cards[static_cast<std::size_t>(card)].deck_name = name;
  }
  return mapping;
}

}  // namespace sibylon
