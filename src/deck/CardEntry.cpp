#include "deck/CardEntry.h"

#include "base/AppError.h"
#include "deck/CardCatalogue.h"

namespace sibylon {

EntryDeck EntryDeckOf(const DeckOptions& options) {
  EntryDeck deck;
  deck.blanks = BlankCardCount(options);
  auto append = [&deck](int first, int last) {
    for (int card = first; card <= last; ++card) deck.cards.push_back(card);
  };
  if (options.major_only) append(1, 22);
  if (options.minor_only) append(kFirstSuitCard, kCardCount - 1);
  if (options.all_cards) append(1, kCardCount - 1);
  deck.reversed = options.reversed;
  deck.repeat = options.repeat;
  return deck;
}

void CheckDeckCovers(const EntryDeck& deck, int positions) {
  const int size = static_cast<int>(deck.cards.size()) + deck.blanks;
  const int available = deck.repeat && size > 0 ? positions : size;
  if (positions > available) throw ListIndexOutOfBounds(available);
}

std::vector<int> OfferedCards(const EntryDeck& deck, const std::vector<LaidCard>& laid,
                              std::size_t at) {
  std::vector<bool> elsewhere(kCardCount, false);
  int blanks_elsewhere = 0;
  for (std::size_t i = 0; i < laid.size(); ++i) {
    const int card = laid[i].card;
    if (i == at || card < 0 || card >= kCardCount) continue;
    elsewhere[static_cast<std::size_t>(card)] = true;
    if (card == 0) ++blanks_elsewhere;
  }
  std::vector<int> offered;
  if (deck.blanks > 0 && (deck.repeat || blanks_elsewhere < deck.blanks)) offered.push_back(0);
  for (int card : deck.cards) {
    if (deck.repeat || !elsewhere[static_cast<std::size_t>(card)]) offered.push_back(card);
  }
  return offered;
}

ShuffleResult LaidCardLists(const EntryDeck& deck, const std::vector<LaidCard>& laid) {
  ShuffleResult lists;
  for (std::size_t i = 0; i < laid.size(); ++i) {
    const LaidCard& card = laid[i];
    if (card.card == LaidCard::kNone) throw ListIndexOutOfBounds(static_cast<long long>(i));
    lists.fortune.push_back(CardNumberText(card.card));
    const char* orientation = "normal";
    if (card.card == 0) {
      orientation = "blank";
    } else if (card.reversed && deck.reversed) {
      orientation = "reversed";
    }
    lists.mirrors.emplace_back(orientation);
  }
  return lists;
}

}  // namespace sibylon
